// velno-cli attendance: the meeting attendance of the 24 months the data
// folder holds, and "attendance set" to enter one month's weekly figures
// through the entry dialog's rules.
#include <ostream>
#include <sstream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/Json.h"
#include "reporting/Attendance.h"
#include "reporting/AttendanceModel.h"
#include "reporting/Classification.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/CliTexts.h"
#include "text/texts/PublishersTexts.h"

namespace velno::cli {

namespace {

int showAttendance(Context& context) {
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    const CVelnoDoc& doc = session.doc();
    const int stamp = doc.reportMonth().reportStamp;
    const int elapsed = monthsElapsedInServiceYear(month0Of(stamp));

    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject().key("blocks").beginArray();
        for (const MeetingBlock& block : doc.meetings().blocks) {
            json.beginObject().field("name", meetingName(block)).key("months").beginArray();
            for (int s = stamp - 23; s <= stamp; ++s) {
                const int slot = slotOf(s);
                json.beginObject(JsonWriter::Layout::Inline)
                    .field("month", month0Of(s) + 1)
                    .field("year", yearOfStamp(s));
                json.key("weeks").beginArray(JsonWriter::Layout::Inline);
                for (int w = 0; w < kMeetingWeeks; ++w) json.value(block.week[w][slot]);
                json.endArray()
                    .field("meetings", block.meetings[slot])
                    .field("total", block.total[slot])
                    .field("average", block.average[slot])
                    .endObject();
            }
            json.endArray()
                .field("sixMonthAverage", AttendanceAverage(block, stamp, 6))
                .field("serviceYearAverage", AttendanceAverage(block, stamp, elapsed))
                .endObject();
        }
        json.endArray().endObject().finish();
        return Ok;
    }
    for (const MeetingBlock& block : doc.meetings().blocks) {
        context.out << meetingName(block) << '\n';
        for (int s = stamp - 23; s <= stamp; ++s) {
            const int slot = slotOf(s);
            context.out << "  " << formatStamp(s);
            for (int w = 0; w < kMeetingWeeks; ++w)
                context.out << text::formatPrintf(" %4d", block.week[w][slot]);
            context.out << text::formatPrintf("  %2d %5d %4d", block.meetings[slot],
                                              block.total[slot], block.average[slot])
                        << '\n';
        }
        context.out << "  "
                    << text::arg(text::tr(text::TxCliAttendanceAverages),
                                 std::to_string(AttendanceAverage(block, stamp, 6)),
                                 std::to_string(AttendanceAverage(block, stamp, elapsed)))
                    << '\n';
    }
    return Ok;
}

std::optional<std::vector<int>> parseWeeks(const std::string& text) {
    std::vector<int> weeks;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        const auto n = parseWholeNumber(item, 0, 999);
        if (!n) return std::nullopt;
        weeks.push_back(static_cast<int>(*n));
    }
    if (weeks.empty() || weeks.size() > kMeetingWeeks) return std::nullopt;
    return weeks;
}

int setAttendance(Context& context, const std::vector<std::string>& args) {
    std::string error;
    const auto a = Arguments::parse("attendance set", args,
                                    {{"--meeting", true},
                                     {"--month", true},
                                     {"--year", true},
                                     {"--early", false},
                                     {"--weeks", true}},
                                    false, error);
    if (!a) return context.usage(error);
    const auto meeting = a->value("--meeting");
    const auto weeksText = a->value("--weeks");
    const auto monthText = a->value("--month");
    const bool early = a->has("--early");
    if (!meeting) return context.usage(text::arg(text::tr(text::TxCliMissingValue), "--meeting"));
    if (!weeksText) return context.usage(text::arg(text::tr(text::TxCliMissingValue), "--weeks"));
    if (!monthText && !early)
        return context.usage(text::arg(text::tr(text::TxCliMissingValue), "--month"));
    int block = -1;
    if (*meeting == "midweek") block = 0;
    if (*meeting == "weekend") block = 1;
    if (block < 0)
        return context.usage(
            text::arg(text::tr(text::TxCliBadChoice), "--meeting", "midweek|weekend", *meeting));
    const auto weeks = parseWeeks(*weeksText);
    if (!weeks) return context.usage(text::arg(text::tr(text::TxCliBadWeeks), *weeksText));
    std::optional<long long> month;
    if (monthText) {
        month = parseWholeNumber(*monthText, 1, 12);
        if (!month)
            return context.usage(
                text::arg(text::tr(text::TxCliBadNumber), "--month", "1", "12", *monthText));
    }
    std::optional<long long> year;
    if (const auto y = a->value("--year")) {
        year = parseWholeNumber(*y, 1900, 2255);
        if (!year)
            return context.usage(
                text::arg(text::tr(text::TxCliBadNumber), "--year", "1900", "2255", *y));
    }

    FolderSession session(context, FolderAccess::ReadWrite);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    const ReportMonth& rm = doc.reportMonth();
    AttendanceModel dialog(doc);
    int month0 = 0;
    int shownYear = 0;
    if (early) {
        // The month after the ReportMonth, offered only while it is today's month.
        const int next = rm.reportStamp + 1;
        month0 = month0Of(next);
        shownYear = yearOfStamp(next);
        if (!dialog.earlyBoxVisible() || (month && *month - 1 != month0) ||
            (year && *year != shownYear))
            return context.fail(text::tr(text::TxCliNoEarlyEntry));
        dialog.setEarly(true);
    } else {
        month0 = static_cast<int>(*month) - 1;
        shownYear = year ? static_cast<int>(*year) : rm.recentYear(month0);
        const int row = rm.reportYear() - shownYear;
        const auto held = [&] {
            const auto months = dialog.monthRows();
            return std::find(months.begin(), months.end(), month0) != months.end();
        };
        if (row >= 0 && row <= 2) dialog.selectYearRow(row);
        if (row < 0 || row > 2 || !held())
            return context.fail(text::arg(text::tr(text::TxCliOutsideWindow),
                                          text::monthName(month0), std::to_string(shownYear)));
        dialog.selectMonth(month0);
    }
    for (int w = 0; w < kMeetingWeeks; ++w) {
        dialog.setFocus({block, w});
        // Space starts the field from "0"; the digits then type over it.
        dialog.onKey(AttendanceModel::Key::Character, ' ');
        if (w < static_cast<int>(weeks->size()))
            for (const char c : std::to_string((*weeks)[w]))
                dialog.onKey(AttendanceModel::Key::Character, c);
    }
    const std::string total = dialog.totalText(block);
    const std::string average = dialog.averageText(block);
    dialog.finish();
    if (doc.saveAll() != SaveOutcome::Saved)
        return context.fail(text::arg(text::tr(text::TxCliSaveFailed), session.folder().string()));
    const MeetingBlock& b = doc.meetings().blocks[block];
    const int slot = dialog.shownSlot();
    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject()
            .field("ok", true)
            .field("meeting", *meeting)
            .field("month", month0 + 1)
            .field("year", shownYear)
            .field("early", early);
        json.key("weeks").beginArray(JsonWriter::Layout::Inline);
        for (int w = 0; w < kMeetingWeeks; ++w) json.value(b.week[w][slot]);
        json.endArray()
            .field("meetings", b.meetings[slot])
            .field("total", b.total[slot])
            .field("average", b.average[slot])
            .endObject()
            .finish();
        return Ok;
    }
    context.out << text::arg(text::tr(text::TxCliAttendanceStored), meetingName(b),
                             text::monthName(month0), std::to_string(shownYear),
                             std::to_string(b.meetings[slot]), total, average)
                << '\n';
    return Ok;
}

}  // namespace

int runAttendance(Context& context) {
    if (!context.args.empty() && context.args[0] == "set")
        return setAttendance(context, {context.args.begin() + 1, context.args.end()});
    std::string error;
    if (!Arguments::parse(context.command, context.args, {}, false, error))
        return context.usage(error);
    return showAttendance(context);
}

}  // namespace velno::cli
