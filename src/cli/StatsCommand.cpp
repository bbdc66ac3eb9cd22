// velno-cli stats: every figure of the statistics page.
#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/Json.h"
#include "reporting/Statistics.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"

namespace velno::cli {

namespace {

void writeCount(JsonWriter& json, const char* name, const StatisticsCount& c) {
    json.key(name)
        .beginObject(JsonWriter::Layout::Inline)
        .field("count", c.count)
        .field("percent", c.share)
        .endObject();
}

constexpr const char* kMovementKeys[] = {"auxiliary", "newPublishers", "inactive", "reactivated",
                                         "moved"};

const char* hoursKey(int kind) {
    switch (kind) {
        case ServiceRegular:
            return "regularPioneers";
        case ServiceAuxiliary:
            return "auxiliaryPioneers";
        default:
            return "publishers";
    }
}

void writeBrackets(JsonWriter& json, const char* name,
                   const std::array<StatisticsBracket, 7>& brackets) {
    json.key(name).beginArray();
    for (const auto& b : brackets)
        json.beginObject(JsonWriter::Layout::Inline)
            .field("label", b.label)
            .field("count", b.value.count)
            .field("percent", b.value.share)
            .endObject();
    json.endArray();
}

std::string percent(double share) {
    return text::formatPrintf("%3.0f%%", share);
}

}  // namespace

int runStats(Context& context) {
    std::string error;
    if (!Arguments::parse(context.command, context.args, {}, false, error))
        return context.usage(error);
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    const StatisticsPage page = statisticsPage(session.doc());

    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject().field("title", page.title).field("active", page.active);
        writeCount(json, "regular", page.regular);
        writeCount(json, "baptized", page.baptized);
        json.field("regularPioneers", page.regularPioneers)
            .field("elders", page.elders)
            .field("servants", page.servants)
            .field("specialPioneers", page.specialPioneers);
        json.key("movement").beginObject();
        for (std::size_t i = 0; i < page.movement.size(); ++i)
            json.key(kMovementKeys[i])
                .beginObject(JsonWriter::Layout::Inline)
                .field("month", page.movement[i].month)
                .field("sixMonths", page.movement[i].sixMonths)
                .field("serviceYear", page.movement[i].serviceYear)
                .endObject();
        json.endObject();
        json.field("serviceYearMonths", page.serviceYearMonths);
        json.key("averageHours").beginObject();
        for (const StatisticsHours& h : page.hours)
            json.key(hoursKey(h.kind))
                .beginObject(JsonWriter::Layout::Inline)
                .field("month", h.month)
                .field("sixMonths", h.sixMonths)
                .field("serviceYear", h.serviceYear)
                .endObject();
        json.endObject();
        json.key("attendance").beginArray();
        for (const StatisticsAttendance& a : page.attendance)
            json.beginObject(JsonWriter::Layout::Inline)
                .field("meeting", a.name)
                .field("month", a.month)
                .field("threeMonths", a.threeMonths)
                .field("sixMonths", a.sixMonths)
                .field("serviceYear", a.serviceYear)
                .endObject();
        json.endArray();
        json.field("bracketsEnabled", page.bracketsEnabled);
        writeBrackets(json, "yearsSinceBaptism", page.baptism);
        writeBrackets(json, "age", page.age);
        json.field("withoutBirthDate", page.withoutBirthDate).endObject().finish();
        return Ok;
    }

    std::ostream& out = context.out;
    const auto line = [&](int labelId, const std::string& value) {
        out << text::formatPrintf("%-28s %s", text::tr(labelId).c_str(), value.c_str()) << '\n';
    };
    out << page.title << "\n\n";
    line(text::TxStatActive, std::to_string(page.active));
    line(text::TxStatRegular,
         std::to_string(page.regular.count) + "  " + percent(page.regular.share));
    line(text::TxStatBaptized,
         std::to_string(page.baptized.count) + "  " + percent(page.baptized.share));
    line(text::TxRegularPioneersLower, std::to_string(page.regularPioneers));
    line(text::TxEldersTitle, std::to_string(page.elders));
    line(text::TxServantsTitle, std::to_string(page.servants));
    if (page.specialPioneers) line(text::TxSpecialPioneers, std::to_string(page.specialPioneers));
    out << '\n'
        << text::formatPrintf("%-28s %6s %6s %6s", "", page.movementHeads[0].c_str(),
                              page.movementHeads[1].c_str(), page.movementHeads[2].c_str())
        << '\n';
    for (const StatisticsMovement& m : page.movement)
        out << text::formatPrintf("%-28s %6d %6d %6d", m.label.c_str(), m.month, m.sixMonths,
                                  m.serviceYear)
            << '\n';
    out << '\n' << text::tr(text::TxStatAverageHours) << '\n';
    for (const StatisticsHours& h : page.hours)
        out << text::formatPrintf("  %-26s %6.1f %6.1f %6.1f", h.label.c_str(), h.month,
                                  h.sixMonths, h.serviceYear)
            << '\n';
    out << '\n' << text::tr(text::TxStatAttendance) << '\n';
    for (const StatisticsAttendance& a : page.attendance)
        out << text::formatPrintf("  %-26s %6d %6d %6d %6d", a.name.c_str(), a.month, a.threeMonths,
                                  a.sixMonths, a.serviceYear)
            << '\n';
    if (page.bracketsEnabled) {
        out << '\n'
            << text::formatPrintf("%-28s %-28s", text::tr(text::TxListBaptized).c_str(),
                                  text::tr(text::TxStatAge).c_str())
            << '\n';
        for (std::size_t i = 0; i < page.baptism.size(); ++i)
            out << text::formatPrintf("%-18s %4d %4s  %-18s %4d %4s", page.baptism[i].label.c_str(),
                                      page.baptism[i].value.count,
                                      percent(page.baptism[i].value.share).c_str(),
                                      page.age[i].label.c_str(), page.age[i].value.count,
                                      percent(page.age[i].value.share).c_str())
                << '\n';
    }
    return Ok;
}

}  // namespace velno::cli
