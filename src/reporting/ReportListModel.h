#pragma once
// The report list (dialog 105): the active publishers of the ReportMonth,
// filtered by field service group and, on request, to those who have not
// reported yet. Slips open from here.

#include <string>
#include <vector>

#include "reporting/ReportSlipModel.h"

namespace velno {

class CVelnoDoc;

struct ReportListRow {
    int storePos = 0;
    PublisherId id = 0;
    std::string name;  // UTF-8
};

class ReportListModel {
public:
    // Opening clears the state of the month two after the ReportMonth (a
    // state left from last year) and recomputes the tallies.
    explicit ReportListModel(CVelnoDoc& doc);

    // ---- texts (UTF-8) ---------------------------------------------------
    std::string title() const;
    std::string closeButtonText() const;
    std::string xmlButtonText() const;
    std::string onlyNotReportedCaption() const;
    std::string lastEnteredCaption() const;
    std::string lastEnteredName() const;

    // ---- group filter: "Sidang", then one entry per group ---------------
    std::vector<std::string> groupEntries() const;
    int groupIndex() const { return groupIndex_; }
    void setGroupIndex(int index);

    bool onlyNotReported() const { return onlyNotReported_; }
    void setOnlyNotReported(bool on);

    const std::vector<ReportListRow>& rows() const { return rows_; }
    int selected() const { return selected_; }
    void select(int row);

    // OK or a double click: the slip of the selected publisher.
    ReportSlipModel openSlip();
    // After a slip closed: the list follows when it is filtered.
    void slipClosed();

    // The close button: the month's collection is complete.
    void closeCollection();
    void finish() { closed_ = true; }
    bool closed() const { return closed_; }

private:
    void refresh();

    CVelnoDoc& doc_;
    int groupIndex_ = 0;
    bool onlyNotReported_ = false;
    std::vector<ReportListRow> rows_;
    int selected_ = 0;
    bool closed_ = false;
};

}  // namespace velno
