#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/Json.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

namespace {

struct Counts {
    int records, active, inactive, students, moved, deleted, overseer;
    int month, year, stamp, state;
    bool password;
    int groups;
};

Counts countsOf(CVelnoDoc& doc) {
    const RecordStore& store = doc.store();
    const ReportMonth& month = doc.reportMonth();
    auto size = [&](ListKind kind) { return static_cast<int>(store.subList(kind).size()); };
    return {store.recordCount(),
            size(ListActive),
            size(ListInactive),
            size(ListBibleStudent),
            size(ListMoved),
            size(ListDeleted),
            store.circuitOverseerPos() ? 1 : 0,
            month.reportMonth0 + 1,
            month.reportYear(),
            month.reportStamp,
            doc.header().collectionState(month.reportMonth0),
            hasPassword(doc),
            doc.groups().count()};
}

const std::string& stateText(int state) {
    switch (state) {
        case 1:
            return text::tr(text::TxCliStateOpen);
        case 2:
            return text::tr(text::TxCliStateClosed);
        default:
            return text::tr(text::TxCliStateNotInitialised);
    }
}

}  // namespace

int runInfo(Context& context) {
    std::string error;
    if (!Arguments::parse(context.command, context.args, {}, false, error))
        return context.usage(error);
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    const Counts c = countsOf(session.doc());
    std::ostream& out = context.out;

    if (context.options.json) {
        JsonWriter json(out);
        json.beginObject()
            .field("recordCount", c.records)
            .field("active", c.active)
            .field("inactive", c.inactive)
            .field("bibleStudents", c.students)
            .field("moved", c.moved)
            .field("deleted", c.deleted)
            .field("circuitOverseer", c.overseer);
        json.key("reportMonth")
            .beginObject(JsonWriter::Layout::Inline)
            .field("month", c.month)
            .field("year", c.year)
            .field("stamp", c.stamp)
            .field("state", c.state)
            .endObject();
        json.field("passwordSet", c.password).field("groupCount", c.groups).endObject().finish();
        return Ok;
    }

    auto line = [&](text::TextId id, const std::string& value) {
        out << text::arg(text::tr(id), value) << '\n';
    };
    auto yesNo = [](bool b) { return text::tr(b ? text::TxCliYes : text::TxCliNo); };
    line(text::TxCliInfoFolder, session.folder().string());
    line(text::TxCliInfoRecords, std::to_string(c.records));
    line(text::TxCliInfoActive, std::to_string(c.active));
    line(text::TxCliInfoInactive, std::to_string(c.inactive));
    line(text::TxCliInfoStudents, std::to_string(c.students));
    line(text::TxCliInfoMoved, std::to_string(c.moved));
    line(text::TxCliInfoDeleted, std::to_string(c.deleted));
    line(text::TxCliInfoOverseer, yesNo(c.overseer));
    out << text::arg(text::tr(text::TxCliInfoReportMonth), text::monthName(c.month - 1),
                     std::to_string(c.year), formatStamp(c.stamp), std::to_string(c.stamp),
                     stateText(c.state))
        << '\n';
    line(text::TxCliInfoPassword,
         text::tr(c.password ? text::TxCliPasswordSet : text::TxCliPasswordNotSet));
    line(text::TxCliInfoGroups, std::to_string(c.groups));
    return Ok;
}

}  // namespace velno::cli
