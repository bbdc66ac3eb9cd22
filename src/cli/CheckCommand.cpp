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

// Records whose extSlot names an entry that is missing or belongs to
// someone else. Reading the extension drops such a link (in the private
// copy only).
int countBadExtensionLinks(CVelnoDoc& doc) {
    int bad = 0;
    for (int pos = 1; pos < doc.store().recordCount(); ++pos) {
        if (doc.store().at(pos).extSlot == 0) continue;
        doc.extensionOf(pos);
        if (doc.store().at(pos).extSlot == 0) ++bad;
    }
    return bad;
}

}  // namespace

int runCheck(Context& context) {
    std::string error;
    if (!Arguments::parse(context.command, context.args, {}, false, error))
        return context.usage(error);
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    const LoadReport& report = doc.loadReport();
    const int badExtensions = countBadExtensionLinks(doc);
    std::vector<std::string> notes = report.notes;
    if (badExtensions > 0)
        notes.push_back(
            text::arg(text::tr(text::TxCliCheckBadExtensionsNote), std::to_string(badExtensions)));

    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject()
            .field("mainFileFound", report.mainFileFound)
            .field("recordCount", doc.store().recordCount())
            .field("duplicateIdsRepaired", report.duplicateIdsRepaired)
            .field("extraCircuitOverseers", report.extraCircuitOverseers)
            .field("recordsBeyondCapacity", report.recordsBeyondCapacity)
            .field("remarksCompactedAway", report.remarksCompactedAway)
            .field("remarksOfUnknownPublishers", report.remarksOfUnknownPublishers)
            .field("remarksWithBadSlot", report.remarksWithBadSlot)
            .field("emergencyEntriesDropped", report.emergencyEntriesDropped)
            .field("badExtensionLinks", badExtensions);
        json.key("damagedFiles").beginArray();
        for (const std::string& name : report.damagedFiles) json.value(name);
        json.endArray();
        json.key("unreadableFiles").beginArray();
        for (const auto& failure : report.unreadable) json.value(failure.file);
        json.endArray();
        json.key("notes").beginArray();
        for (const std::string& note : notes) json.value(note);
        json.endArray().endObject().finish();
        return Ok;
    }

    std::ostream& out = context.out;
    auto line = [&](text::TextId id, const std::string& value) {
        out << text::arg(text::tr(id), value) << '\n';
    };
    auto number = [](int n) { return std::to_string(n); };
    line(text::TxCliCheckFolder, session.folder().string());
    line(text::TxCliCheckMainFile,
         text::tr(report.mainFileFound ? text::TxCliCheckFound : text::TxCliCheckMissing));
    line(text::TxCliCheckRecords, number(doc.store().recordCount()));
    line(text::TxCliCheckDuplicateIds, number(report.duplicateIdsRepaired));
    line(text::TxCliCheckExtraOverseers, number(report.extraCircuitOverseers));
    line(text::TxCliCheckBeyondCapacity, number(report.recordsBeyondCapacity));
    line(text::TxCliCheckRemarksCompacted, number(report.remarksCompactedAway));
    line(text::TxCliCheckRemarksUnknown, number(report.remarksOfUnknownPublishers));
    line(text::TxCliCheckRemarksBadSlot, number(report.remarksWithBadSlot));
    line(text::TxCliCheckEmergencyDropped, number(report.emergencyEntriesDropped));
    line(text::TxCliCheckBadExtensions, number(badExtensions));
    out << '\n';
    if (notes.empty()) {
        out << text::tr(text::TxCliCheckNothing) << '\n';
    } else {
        out << text::tr(text::TxCliCheckNotesHeading) << '\n';
        for (const std::string& note : notes) out << "  - " << note << '\n';
    }
    out << text::tr(text::TxCliCheckReadOnly) << '\n';
    return Ok;
}

}  // namespace velno::cli
