#include "reporting/AttendanceModel.h"

#include <algorithm>

#include "reporting/Classification.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"

namespace velno {

AttendanceModel::AttendanceModel(CVelnoDoc& doc) : doc_(doc) {
    const ReportMonth& rm = doc.reportMonth();
    processingYear_ = rm.reportYear();
    reportMonth0_ = rm.reportMonth0;
    month0_ = reportMonth0_;
    const int next = rm.reportStamp + 1;
    earlyMonth0_ = month0Of(next);
    earlyYear_ = yearOfStamp(next);
    earlyOffered_ = rm.todayMonth == earlyMonth0_ + 1 && rm.todayYear == earlyYear_;
    load();
}

// ---- lists ----------------------------------------------------------------------

std::vector<std::string> AttendanceModel::yearRows() const {
    std::vector<std::string> rows;
    for (int row = 0; row < 3; ++row) rows.push_back(text::formatPrintf("%02d", yearOf(row) % 100));
    return rows;
}

std::vector<int> AttendanceModel::monthRows() const {
    std::vector<int> months;
    const int from = yearRow_ == 2 ? reportMonth0_ + 1 : 0;
    const int to = yearRow_ == 0 ? reportMonth0_ : 11;
    for (int m = from; m <= to; ++m) months.push_back(m);
    return months;
}

std::vector<std::string> AttendanceModel::monthRowTexts() const {
    std::vector<std::string> texts;
    for (const int m : monthRows()) texts.push_back(text::monthName(m));
    return texts;
}

std::string AttendanceModel::earlyBoxCaption() const {
    return text::formatPrintf("%s - %d", text::monthName(earlyMonth0_).c_str(), earlyYear_);
}

std::string AttendanceModel::title() const {
    const int month0 = early_ ? earlyMonth0_ : month0_;
    const int year = early_ ? earlyYear_ : yearOf(yearRow_);
    if (month0 < 0) return text::tr(text::TxAttendanceTitleBare);
    return text::arg(text::tr(text::TxAttendanceTitle), text::monthName(month0),
                     std::to_string(year));
}

std::string AttendanceModel::blockName(int block) const {
    return meetingName(doc_.meetings().blocks[block]);
}

int AttendanceModel::shownSlot() const {
    if (early_) return monthSlot(earlyMonth0_, kEarlyEntryParity);
    if (month0_ < 0) return -1;
    return monthSlot(month0_, parityOfYear(yearOf(yearRow_)));
}

// ---- figures ----------------------------------------------------------------------

int AttendanceModel::weekValue(int block, int week) const {
    // Decimal conversion of the leading digits, as every number field reads.
    int value = 0;
    for (const char c : texts_[block][week]) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
    }
    return value;
}

MonthAttendance AttendanceModel::shownTotals(int block) const {
    std::array<int, kMeetingWeeks> weeks{};
    for (int w = 0; w < kMeetingWeeks; ++w) weeks[w] = weekValue(block, w);
    return monthTotals(weeks);
}

std::string AttendanceModel::totalText(int block) const {
    return fieldsEnabled() ? std::to_string(shownTotals(block).total) : std::string();
}

std::string AttendanceModel::averageText(int block) const {
    return fieldsEnabled() ? std::to_string(shownTotals(block).average) : std::string();
}

void AttendanceModel::load() {
    const int slot = shownSlot();
    for (int b = 0; b < kMeetingBlocks; ++b)
        for (int w = 0; w < kMeetingWeeks; ++w)
            texts_[b][w] =
                slot < 0 ? std::string() : std::to_string(doc_.meetings().blocks[b].week[w][slot]);
    focusSelected_ = true;
}

void AttendanceModel::store() {
    const int slot = shownSlot();
    if (slot < 0) return;
    bool changed = false;
    for (int b = 0; b < kMeetingBlocks; ++b) {
        MeetingBlock& block = doc_.meetings().blocks[b];
        const MeetingBlock before = block;
        for (int w = 0; w < kMeetingWeeks; ++w)
            block.week[w][slot] = static_cast<std::uint16_t>(weekValue(b, w));
        updateMonthTotals(block, slot);
        for (int w = 0; w < kMeetingWeeks; ++w)
            changed |= before.week[w][slot] != block.week[w][slot];
        changed |= before.meetings[slot] != block.meetings[slot] ||
                   before.total[slot] != block.total[slot] ||
                   before.average[slot] != block.average[slot];
    }
    if (changed) doc_.dirty = true;
}

// ---- actions ------------------------------------------------------------------------

void AttendanceModel::selectYearRow(int row) {
    if (row < 0 || row > 2 || early_) return;
    store();
    yearRow_ = row;
    const auto months = monthRows();
    if (months.empty())
        month0_ = -1;
    else if (std::find(months.begin(), months.end(), month0_) == months.end())
        month0_ = months.front();
    load();
}

void AttendanceModel::selectMonth(int month0) {
    const auto months = monthRows();
    if (early_ || std::find(months.begin(), months.end(), month0) == months.end()) return;
    store();
    month0_ = month0;
    load();
}

void AttendanceModel::setEarly(bool on) {
    if (!earlyOffered_ || on == early_) return;
    store();
    early_ = on;
    load();
}

void AttendanceModel::setFocus(Field field) {
    if (field.block < 0 || field.block >= kMeetingBlocks || field.week < 0 ||
        field.week >= kMeetingWeeks)
        return;
    focus_ = field;
    focusSelected_ = true;
}

bool AttendanceModel::onKey(Key key, char ch) {
    std::string& t = texts_[focus_.block][focus_.week];
    switch (key) {
        case Key::Up:
            setFocus({focus_.block, (focus_.week + kMeetingWeeks - 1) % kMeetingWeeks});
            return true;
        case Key::Down:
            setFocus({focus_.block, (focus_.week + 1) % kMeetingWeeks});
            return true;
        case Key::Enter:
            if (focus_.week == kMeetingWeeks - 1)
                setFocus({1 - focus_.block, 0});
            else
                setFocus({focus_.block, focus_.week + 1});
            return true;
        case Key::Backspace:
            if (focusSelected_)
                t.clear();
            else if (!t.empty())
                t.pop_back();
            focusSelected_ = false;
            return true;
        case Key::Character:
            break;
    }
    if (!fieldsEnabled()) return false;
    if (ch == ' ') {
        // Space starts the field over from "0", selected.
        t = '0';
        focusSelected_ = true;
        return true;
    }
    if (!((ch >= '0' && ch <= '9') || ch == '.')) return false;
    // A full field starts over too: "0" replaces it and the key types over it.
    if (focusSelected_ || t.size() >= kMaxDigits)
        t = std::string(1, ch);
    else
        t.push_back(ch);
    focusSelected_ = false;
    return true;
}

void AttendanceModel::finish() {
    store();
}

}  // namespace velno
