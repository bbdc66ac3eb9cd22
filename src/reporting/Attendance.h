#pragma once
// Meeting attendance: the weekly figures of the two meetings per month
// slot, their monthly totals and averages, and the attendance numbers of
// the summary, the meeting report and the attendance record.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "store/files/MeetingAttendance.h"

namespace velno {

class CVelnoDoc;

constexpr int kMeetingBlocks = 2;  // midweek, weekend
constexpr int kMeetingWeeks = 5;
// The third slot of each month holds figures entered early for the month
// after the ReportMonth, before that month is initialised.
constexpr int kEarlyEntryParity = 2;

// sum / count rounded half up; 0 when count is 0.
int roundedAverage(long sum, long count);

struct MonthAttendance {
    int meetings = 0;  // weeks with attendance
    int total = 0;
    int average = 0;  // rounded half up
};
MonthAttendance monthTotals(const std::array<int, kMeetingWeeks>& weeks);
// Recomputes meetings, total and average of a slot from its weeks.
void updateMonthTotals(MeetingBlock& block, int slot);

// total / meetings of (month0, s), s being the year parity or the early
// slot 2; 0 without meetings.
double MonthAverage(const MeetingBlock& block, int month0, int s);
// Over the last `months` months from the stamp: every weekly figure summed
// over the weeks that had one, rounded half up; 0 when any month of the
// window has no total.
int AttendanceAverage(const MeetingBlock& block, int stamp, int months);

// Block name as stored (Windows-1252) turned into UTF-8.
std::string meetingName(const MeetingBlock& block);

// ---- the summary's attendance section ------------------------------------------

struct AttendanceSectionRow {
    std::string name;
    int meetings = 0;
    int total = 0;
    int average = 0;
    double share = 0;       // average per 100 active publishers
    std::string shareText;  // "%6.0f%c  %s  %3d"
};

struct AttendanceSection {
    std::string heading;
    std::array<std::string, 5> columns;  // month name, "Jumlah", "Total", "Rata2", "Persentase"
    std::vector<AttendanceSectionRow> rows;
};

AttendanceSection attendanceSection(const CVelnoDoc& doc);

// ---- the meeting report's six-month table ------------------------------------------

struct SixMonthAttendanceRow {
    std::string name;
    std::array<int, 6> averages{};  // stored averages, oldest month first
    int sixMonths = 0;              // AttendanceAverage over six months
    std::string sixMonthsText;      // blank when 0
};

struct SixMonthAttendance {
    std::string heading;
    std::array<std::string, 6> monthHeads;  // short month names, oldest first
    std::string lastHead;                   // "6 Bln"
    std::vector<SixMonthAttendanceRow> rows;
};

SixMonthAttendance sixMonthAttendance(const CVelnoDoc& doc);

// ---- the attendance record (yearly dialog and printed record) --------------------

struct AttendanceRecordMonth {
    int month0 = 0;
    int stamp = 0;
    bool shown = false;  // false: not held any more, or not collected yet
    int meetings = 0;
    int total = 0;
    double average = 0;       // MonthAverage
    std::string averageText;  // "%4.2f", empty when not shown
};

struct AttendanceServiceYear {
    int serviceYear = 0;
    std::array<AttendanceRecordMonth, 12> months;  // September first
    double meanAverage = 0;  // mean of the monthly averages of months with meetings
    std::string meanText;
};

// The service years whose months the slots still hold, oldest first.
std::vector<AttendanceServiceYear> attendanceRecord(const CVelnoDoc& doc, int block);

}  // namespace velno
