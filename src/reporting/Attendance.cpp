#include "reporting/Attendance.h"

#include "reporting/Classification.h"
#include "reporting/CollectionState.h"
#include "reporting/PublisherSelection.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"

namespace velno {

int roundedAverage(long sum, long count) {
    if (count <= 0) return 0;
    long q = sum / count;
    if ((sum % count) * 10 >= count * 10 / 2) ++q;
    return static_cast<int>(q);
}

MonthAttendance monthTotals(const std::array<int, kMeetingWeeks>& weeks) {
    MonthAttendance m;
    for (const int w : weeks) {
        if (w > 0) ++m.meetings;
        m.total += w;
    }
    m.average = roundedAverage(m.total, m.meetings);
    return m;
}

void updateMonthTotals(MeetingBlock& block, int slot) {
    std::array<int, kMeetingWeeks> weeks{};
    for (int w = 0; w < kMeetingWeeks; ++w) weeks[w] = block.week[w][slot];
    const MonthAttendance m = monthTotals(weeks);
    block.meetings[slot] = static_cast<std::uint16_t>(m.meetings);
    block.total[slot] = static_cast<std::uint16_t>(m.total);
    block.average[slot] = static_cast<std::uint16_t>(m.average);
}

double MonthAverage(const MeetingBlock& block, int month0, int s) {
    const int slot = monthSlot(month0, s);
    if (block.meetings[slot] == 0) return 0.0;
    return static_cast<double>(block.total[slot]) / block.meetings[slot];
}

int AttendanceAverage(const MeetingBlock& block, int stamp, int months) {
    long sum = 0;
    long weeks = 0;
    for (int i = 0; i < months; ++i) {
        const int slot = slotOf(stamp - i);
        // One month without figures would pull the average down: no average.
        if (block.total[slot] == 0) return 0;
        for (int w = 0; w < kMeetingWeeks; ++w) {
            if (block.week[w][slot] == 0) continue;
            sum += block.week[w][slot];
            ++weeks;
        }
    }
    return roundedAverage(sum, weeks);
}

std::string meetingName(const MeetingBlock& block) {
    return text::cp1252ToUtf8(trimmed(fieldText(block.name)));
}

// ---- summary section -----------------------------------------------------------

AttendanceSection attendanceSection(const CVelnoDoc& doc) {
    const Classification cls(doc);
    const int slot = monthSlot(cls.month0(), cls.parity());
    const int active = static_cast<int>(doc.store().subList(ListActive).size());
    AttendanceSection section;
    section.heading = text::tr(text::TxAttendanceSectionHeading) + congregationSuffix(doc);
    section.columns = {text::monthName(cls.month0()), text::tr(text::TxAttendanceMeetings),
                       text::tr(text::TxAttendanceTotal), text::tr(text::TxAttendanceAverage),
                       text::tr(text::TxAttendanceShare)};
    for (int b = 0; b < kMeetingBlocks; ++b) {
        const MeetingBlock& block = doc.meetings().blocks[b];
        AttendanceSectionRow row;
        row.name = meetingName(block);
        row.meetings = block.meetings[slot];
        row.total = block.total[slot];
        row.average = block.average[slot];
        row.share = active ? static_cast<double>(row.average) / active * 100.0 : 0.0;
        row.shareText = text::formatPrintf("%6.0f%c  %s  %3d", row.share, '%',
                                           text::tr(text::TxOfWord).c_str(), active);
        section.rows.push_back(std::move(row));
    }
    return section;
}

SixMonthAttendance sixMonthAttendance(const CVelnoDoc& doc) {
    const Classification cls(doc);
    SixMonthAttendance table;
    table.heading =
        text::tr(text::TxSixMonthAttendanceHeading) + " " + text::monthName(cls.month0());
    for (int k = 0; k < 6; ++k)
        table.monthHeads[k] = text::monthShortName(month0Of(cls.stamp() - 5 + k));
    table.lastHead = text::tr(text::TxSixMonthsShort);
    for (int b = 0; b < kMeetingBlocks; ++b) {
        const MeetingBlock& block = doc.meetings().blocks[b];
        SixMonthAttendanceRow row;
        row.name = meetingName(block);
        for (int k = 0; k < 6; ++k) row.averages[k] = block.average[slotOf(cls.stamp() - 5 + k)];
        row.sixMonths = AttendanceAverage(block, cls.stamp(), 6);
        if (row.sixMonths) row.sixMonthsText = std::to_string(row.sixMonths);
        table.rows.push_back(std::move(row));
    }
    return table;
}

// ---- attendance record -----------------------------------------------------------

std::vector<AttendanceServiceYear> attendanceRecord(const CVelnoDoc& doc, int block) {
    const Classification cls(doc);
    const MeetingBlock& b = doc.meetings().blocks[block];
    const int newest = cls.stamp();
    const int oldest = newest - 23;
    const int state = collectionState(doc, cls.month0());

    std::vector<AttendanceServiceYear> years;
    for (int sy = serviceYearOf(oldest); sy <= serviceYearOf(newest); ++sy) {
        AttendanceServiceYear year;
        year.serviceYear = sy;
        const int september = stampOf(sy - 1, 8);
        double sum = 0;
        int counted = 0;
        for (int k = 0; k < 12; ++k) {
            AttendanceRecordMonth& m = year.months[k];
            m.stamp = september + k;
            m.month0 = month0Of(m.stamp);
            // The ReportMonth before its initialisation still holds the
            // figures of two years ago.
            m.shown = m.stamp >= oldest && m.stamp <= newest &&
                      !(m.stamp == newest && state == Collection::NotInitialised);
            if (!m.shown) continue;
            const int slot = slotOf(m.stamp);
            m.meetings = b.meetings[slot];
            m.total = b.total[slot];
            m.average = MonthAverage(b, m.month0, parityOf(m.stamp));
            m.averageText = text::formatPrintf("%4.2f", m.average);
            if (m.meetings) {
                sum += m.average;
                ++counted;
            }
        }
        year.meanAverage = counted ? sum / counted : 0.0;
        year.meanText = text::formatPrintf("%4.2f", year.meanAverage);
        years.push_back(year);
    }
    return years;
}

}  // namespace velno
