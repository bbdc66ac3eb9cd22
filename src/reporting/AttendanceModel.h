#pragma once
// The attendance entry dialog (dialog 109 "Hadirin Perhimpunan"): five
// weekly figures per meeting for one month, chosen by year and month
// within the 24 months the slots hold, or entered early for the month
// after the ReportMonth.

#include <array>
#include <string>
#include <vector>

#include "reporting/Attendance.h"

namespace velno {

class CVelnoDoc;

class AttendanceModel {
public:
    struct Field {
        int block = 0;  // 0 midweek, 1 weekend
        int week = 0;   // 0..4
        bool operator==(const Field&) const = default;
    };
    enum class Key { Character, Backspace, Enter, Up, Down };
    static constexpr std::size_t kMaxDigits = 3;

    explicit AttendanceModel(CVelnoDoc& doc);

    // ---- state for the view -------------------------------------------------
    std::string title() const;
    // Three rows: the processing year and the two before it, as two digits.
    std::vector<std::string> yearRows() const;
    int selectedYearRow() const { return yearRow_; }
    // The months (month0) the chosen year still holds.
    std::vector<int> monthRows() const;
    std::vector<std::string> monthRowTexts() const;
    int selectedMonth() const { return month0_; }  // -1: the year holds none
    bool listsVisible() const { return !early_; }
    bool earlyBoxVisible() const { return earlyOffered_; }
    std::string earlyBoxCaption() const;
    bool earlyChecked() const { return early_; }
    std::string blockName(int block) const;
    std::string weekCaption(int week) const { return std::to_string(week + 1); }
    std::string weekText(int block, int week) const { return texts_[block][week]; }
    std::string totalText(int block) const;
    std::string averageText(int block) const;
    bool fieldsEnabled() const { return early_ || month0_ >= 0; }
    Field focus() const { return focus_; }
    // The focused field's text is selected: the next character replaces it.
    bool focusSelected() const { return focusSelected_; }
    // The slot being edited; -1 when none.
    int shownSlot() const;

    // ---- actions --------------------------------------------------------------
    // Changing year or month stores the month shown first.
    void selectYearRow(int row);
    void selectMonth(int month0);
    void setEarly(bool on);
    void setFocus(Field field);
    // A key in the focused field; false when the key is refused.
    bool onKey(Key key, char ch = 0);
    // "&Selesai": stores the month shown.
    void finish();

private:
    void load();
    void store();
    int yearOf(int row) const { return processingYear_ - row; }
    int weekValue(int block, int week) const;
    MonthAttendance shownTotals(int block) const;

    CVelnoDoc& doc_;
    int processingYear_ = 2000;
    int reportMonth0_ = 0;
    int yearRow_ = 0;
    int month0_ = 0;
    bool earlyOffered_ = false;
    bool early_ = false;
    int earlyMonth0_ = 0;
    int earlyYear_ = 2000;
    std::array<std::array<std::string, kMeetingWeeks>, kMeetingBlocks> texts_;
    Field focus_;
    bool focusSelected_ = true;  // the focused field's text is selected
};

}  // namespace velno
