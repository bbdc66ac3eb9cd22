#pragma once
// The history editor (dialog 152, "Edit History"): corrects any stored
// month of a publisher in the full five-number form, or, with "Totals",
// the congregation's saved monthly totals by category.

#include <array>
#include <string>
#include <vector>

#include "store/CategoryTally.h"
#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;

struct HistorySlot {
    int placements = 0;
    int videos = 0;
    int hours = 0;
    int returnVisits = 0;
    int studies = 0;
    int credit = 0;
    int quarterHours = 0;  // 0..15
    int kind = 0;          // from the pioneer checks
    bool shared = false;   // "Berdinas", or "<1 h" in older months
    bool late = false;
};

class HistoryEditorModel {
public:
    // Writes the late marks from the list first, so that the "Late Report"
    // check sees them.
    explicit HistoryEditorModel(CVelnoDoc& doc);
    // Rebuilds the late-report list from the marks (also when destroyed).
    ~HistoryEditorModel();
    HistoryEditorModel(const HistoryEditorModel&) = delete;
    HistoryEditorModel& operator=(const HistoryEditorModel&) = delete;

    // The command does nothing when no publisher exists.
    bool available() const { return !publishers_.empty(); }

    // ---- texts (English captions) ----------------------------------------
    std::string title() const;
    std::array<std::string, 6> fieldCaptions() const;
    std::string totalsNote() const;
    std::vector<std::string> categoryNames() const;

    // ---- lists -------------------------------------------------------------
    const std::vector<std::string>& publisherNames() const { return names_; }
    std::vector<std::string> monthNames() const;
    std::vector<int> yearRows() const;  // two years back to this one
    int publisherRow() const { return publisher_; }
    int monthRow() const { return month0_; }
    int yearRow() const { return yearRow_; }
    void select(int publisherRow, int month0, int yearRow);

    // ---- the chosen month of the chosen publisher ----------------------------
    // Whether the record still holds that month (the last 24 months up to
    // the ReportMonth); other months cannot be edited.
    bool slotHeld() const;
    bool newForm() const;  // after September 2023
    bool sharedVisible() const { return newForm(); }
    bool underHourVisible() const;
    bool lateVisible() const;
    const HistorySlot& values() const { return values_; }
    void setValues(const HistorySlot& values);
    // Writes the fields into the record; false when nothing could be written.
    bool apply();

    // ---- "Totals": the saved monthly totals -------------------------------
    bool totalsMode() const { return totals_; }
    void setTotalsMode(bool on);
    int category() const { return category_; }
    void setCategory(int category);
    // Values 0..8 of the category in the chosen month and year.
    int totalValue(int value) const;
    void setTotalValue(int value, int number);

private:
    int stamp() const;
    int slot() const;
    void loadSlot();
    PublisherRecord* record();
    const PublisherRecord* record() const;

    CVelnoDoc& doc_;
    std::vector<PublisherId> publishers_;
    std::vector<std::string> names_;
    int publisher_ = 0;
    int month0_ = 0;
    int yearRow_ = 2;
    HistorySlot values_;
    bool totals_ = false;
    int category_ = 0;
};

}  // namespace velno
