#pragma once
// The yearly pioneer-hours dialog (dialog 137 "Jam Perintis Setahun"): a
// regular pioneer's hours and credit month by month, and what remains of
// the year's goal.

#include <optional>
#include <string>
#include <vector>

#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;

class YearPioneerHoursModel {
public:
    enum class Action { None, Print, Close };
    struct MonthRow {
        int stamp = 0;
        std::string month;   // short month name
        bool shown = false;  // false for months still to come
        int kind = 0;        // service kind of the month
        int hours = 0;
        int credit = 0;
    };

    explicit YearPioneerHoursModel(const CVelnoDoc& doc);

    std::string caption() const;
    // The regular pioneers of the ReportMonth, by name.
    std::vector<std::string> publisherRows() const;
    int selectedPublisher() const { return selected_; }  // -1: none
    PublisherId selectedId() const;
    bool previousYear() const { return previous_; }
    // September to August of the service year shown.
    std::vector<MonthRow> monthTable() const;

    // The lines under the table; empty when not shown.
    std::string sinceLine() const;      // "Merintis sejak %1"
    std::string remainingLine() const;  // "Total Jam yang Tersisa ( %1 ) = " r
    std::string perMonthLine() const;   // "Rata2 Jam Tersisa Setiap Bulan ( %1 ) = " r / months
    std::string yearLine() const;       // with "Previous service year": "%s : %d"
    int total() const { return total_; }
    int remaining() const { return remaining_; }
    std::optional<double> perMonth() const { return perMonth_; }

    void selectPublisher(int row);
    void setPreviousYear(bool on);
    Action print() const { return Action::Print; }
    Action finish() const { return Action::Close; }

private:
    void compute();
    std::string periodLabel() const;

    const CVelnoDoc& doc_;
    std::vector<int> positions_;
    int selected_ = -1;
    bool previous_ = false;
    int start_ = 8;
    int total_ = 0;
    int remaining_ = 0;
    std::optional<double> perMonth_;
};

}  // namespace velno
