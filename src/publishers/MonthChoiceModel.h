#pragma once
// The month choice (dialog 113 "Pilih Bulan") that dates every move of a
// record between lists: a caption, the twelve months opened at the
// ReportMonth, and either a year list or the check box "Penyiar Reguler".

#include <string>
#include <vector>

namespace velno {

struct ReportMonth;

enum class MonthChoiceExtra { None, YearList, RegularCheck };

struct MonthChoice {
    int month = 0;         // 1..12; 0 when cancelled
    int year = 0;          // with the year list: the chosen year
    bool regular = false;  // with the check box: "Penyiar Reguler" checked

    bool chosen() const { return month != 0; }
    // What the dialog returns besides the month: the year, or 4 for a
    // checked "Penyiar Reguler".
    int value() const { return regular ? 4 : year; }
};

class MonthChoiceModel {
public:
    static constexpr int kFirstYear = 1950;

    // caption: UTF-8.
    MonthChoiceModel(const ReportMonth& month, std::string caption,
                     MonthChoiceExtra extra = MonthChoiceExtra::None);

    std::string title() const;
    const std::string& caption() const { return caption_; }
    // "Januari" .. "Desember".
    std::vector<std::string> monthLines() const;
    int monthLine() const { return month0_; }
    void setMonthLine(int month0);

    bool yearListVisible() const { return extra_ == MonthChoiceExtra::YearList; }
    // 1950 up to the ReportMonth's calendar year.
    std::vector<std::string> yearLines() const;
    int yearLine() const { return year_ - kFirstYear; }
    void setYearLine(int line);
    int year() const { return year_; }

    bool regularCheckVisible() const { return extra_ == MonthChoiceExtra::RegularCheck; }
    std::string regularCheckText() const;
    bool regularChecked() const { return regular_; }
    void setRegularChecked(bool on) { regular_ = on; }

    MonthChoice ok() const;
    MonthChoice cancel() const { return {}; }

private:
    // A move is never dated in the future: a month after the ReportMonth
    // in the ReportMonth's year belongs to the year before.
    int pastYear(int month0, int year) const;

    int reportMonth0_;
    int reportYear_;
    std::string caption_;
    MonthChoiceExtra extra_;
    int month0_;
    int year_;
    bool regular_ = false;
};

}  // namespace velno
