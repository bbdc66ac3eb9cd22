#pragma once
// The publisher status dialog (dialog 103): new publisher, moved in,
// reactivated. Opened from the publisher editor with the record's status
// fields; OK gives the fields to store.

#include <cstdint>
#include <string>
#include <vector>

#include "store/Calendar.h"

namespace velno {

struct ReportMonth;

enum class StatusChoice {
    None = 0,
    NewPublisher = 1,     // code 1
    RegularTransfer = 2,  // code 4
    SpecialTransfer = 3,  // code 0
    Reactivated = 4,      // code 2
    Clear = 5,
};

struct StatusFields {
    std::uint8_t statusMark = 0;
    std::uint8_t listYear = 0;  // the status copy
    std::uint16_t markStamp = 0;
};

class PublisherStatusModel {
public:
    // name: UTF-8.
    PublisherStatusModel(const ReportMonth& month, std::string name, const StatusFields& fields);

    std::string title() const;
    std::vector<std::string> choiceTexts() const;  // the five radio buttons
    std::string monthHint() const;
    std::string helpButtonText() const;

    StatusChoice choice() const { return choice_; }
    void setChoice(StatusChoice choice) { choice_ = choice; }

    bool monthListVisible() const;  // with the hint
    bool yearListVisible() const;
    // A blank row, then "Jan" .. "Des".
    std::vector<std::string> monthRows() const;
    int monthRow() const { return month_; }  // 0 = blank, else 1..12
    void setMonthRow(int row);
    // The year before and the year of the chosen month.
    std::vector<int> yearRows() const;
    int yearRow() const { return yearRow_; }
    void setYearRow(int row);

    // The MonthStamp of the chosen month and year; -1 without a month.
    int chosenStamp() const;
    // The status fields OK stores.
    StatusFields result() const;

private:
    int yearOfMonth(int month) const;

    int reportStamp_;
    int reportMonth0_;
    std::string name_;
    StatusFields fields_;
    StatusChoice choice_ = StatusChoice::None;
    int month_ = 0;
    int yearRow_ = 1;
};

}  // namespace velno
