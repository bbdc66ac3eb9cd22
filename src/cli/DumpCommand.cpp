#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/Json.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

namespace {

// Record texts are Windows-1252; everything printed is UTF-8.
template <std::size_t N>
std::string utf8(const char (&field)[N]) {
    return text::cp1252ToUtf8(fieldText(field));
}

std::string hopeText(std::uint8_t hope) {
    return hope ? text::cp1252ToUtf8(std::string(1, static_cast<char>(hope))) : "";
}

// The remark of a slot, when it points at a loaded entry.
std::optional<std::string> remarkOf(const CVelnoDoc& doc, const PublisherRecord& r, int slot) {
    const int k = r.remarkIndex[slot];
    if (k == 0 || k >= doc.remarks().count()) return std::nullopt;
    return text::cp1252ToUtf8(doc.remarks().at(k).textString());
}

void writeRecordJson(JsonWriter& json, CVelnoDoc& doc, int pos, bool full) {
    const PublisherRecord& r = doc.store().at(pos);
    json.beginObject()
        .field("pos", pos)
        .field("id", r.id)
        .field("listKind", r.listKind)
        .field("fname", utf8(r.fname))
        .field("lname", utf8(r.lname))
        .field("displayName", text::cp1252ToUtf8(doc.displayName(pos)))
        .field("group", r.group)
        .field("addr", utf8(r.addr))
        .field("phone", utf8(r.phone))
        .field("phone2", utf8(r.phone2))
        .field("phone3", utf8(r.phone3))
        .field("bapdate", utf8(r.bapdate))
        .field("birdate", utf8(r.birdate));
    if (full) {
        json.field("dpa", utf8(r.dpa))
            .field("dpaSet", r.dpaSet)
            .field("hope", hopeText(r.hope))
            .field("extSlot", r.extSlot)
            .field("emergId", r.emergId)
            .field("household", r.household)
            .field("specneed", r.specneed)
            .field("markStamp", r.markStamp)
            .field("categoryBits", r.categoryBits)
            .field("moreBits", r.moreBits)
            .field("aux198", r.aux198)
            .field("statusMark", r.statusMark)
            .field("listYear", r.listYear)
            .field("flags", r.flags);
        json.key("slots").beginArray();
        for (int slot = 0; slot < kSlotCount; ++slot) {
            json.beginObject(JsonWriter::Layout::Inline)
                .field("serviceKind", r.serviceKind[slot])
                .field("placements", r.placements[slot])
                .field("videos", r.videos[slot])
                .field("hours", r.hours[slot])
                .field("returnVisits", r.returnVisits[slot])
                .field("studiesWord", r.studiesWord[slot])
                .field("remarkIndex", r.remarkIndex[slot]);
            json.key("remark");
            if (auto remark = remarkOf(doc, r, slot))
                json.value(*remark);
            else
                json.null();
            json.field("credit", r.credit[slot])
                .field("slotYear", r.slotYear[slot])
                .field("lateMark", r.lateMark[slot])
                .endObject();
        }
        json.endArray();
    }
    json.endObject();
}

void writeRecordText(std::ostream& out, CVelnoDoc& doc, int pos, bool full) {
    const PublisherRecord& r = doc.store().at(pos);
    const std::string name = text::cp1252ToUtf8(doc.displayName(pos));
    out << text::formatPrintf("%5d %6u %4u %3u  ", pos, r.id, r.listKind, r.group) << name << '\n';
    if (!full) return;
    auto field = [&](const char* key, const std::string& value) {
        out << "        " << key << ": " << value << '\n';
    };
    auto quoted = [](const std::string& s) { return "\"" + s + "\""; };
    field("fname", quoted(utf8(r.fname)));
    field("lname", quoted(utf8(r.lname)));
    field("addr", quoted(utf8(r.addr)));
    field("phone", quoted(utf8(r.phone)));
    field("phone2", quoted(utf8(r.phone2)));
    field("phone3", quoted(utf8(r.phone3)));
    field("bapdate", quoted(utf8(r.bapdate)));
    field("birdate", quoted(utf8(r.birdate)));
    field("dpa", quoted(utf8(r.dpa)));
    field("dpaSet", std::to_string(r.dpaSet));
    field("hope", quoted(hopeText(r.hope)));
    field("extSlot", std::to_string(r.extSlot));
    field("emergId", std::to_string(r.emergId));
    field("household", std::to_string(r.household));
    field("specneed", std::to_string(r.specneed));
    field("markStamp", std::to_string(r.markStamp));
    field("categoryBits", text::formatPrintf("0x%04x", r.categoryBits));
    field("moreBits", text::formatPrintf("0x%04x", r.moreBits));
    field("aux198", std::to_string(r.aux198));
    field("statusMark", text::formatPrintf("0x%02x", r.statusMark));
    field("listYear", std::to_string(r.listYear));
    field("flags", text::formatPrintf("0x%02x", r.flags));
    out << "      " << text::tr(text::TxCliDumpSlotsHeading) << '\n';
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto remark = remarkOf(doc, r, slot);
        out << "      "
            << text::formatPrintf("%6d %4u %4u %4u %4u %4u   0x%04x %4u %6u %4u %4u", slot,
                                  r.serviceKind[slot], r.placements[slot], r.videos[slot],
                                  r.hours[slot], r.returnVisits[slot], r.studiesWord[slot],
                                  r.remarkIndex[slot], r.credit[slot], r.slotYear[slot],
                                  r.lateMark[slot]);
        if (remark) out << "  " << *remark;
        out << '\n';
    }
}

}  // namespace

int runDump(Context& context) {
    std::string error;
    const auto args = Arguments::parse(context.command, context.args, {{"--full"}}, false, error);
    if (!args) return context.usage(error);
    const bool full = args->has("--full");
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    const int count = doc.store().recordCount();

    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject().key("records").beginArray();
        for (int pos = 1; pos < count; ++pos) writeRecordJson(json, doc, pos, full);
        json.endArray().endObject().finish();
        return Ok;
    }
    if (count <= 1) {
        context.out << text::tr(text::TxCliDumpNoRecords) << '\n';
        return Ok;
    }
    context.out << text::tr(text::TxCliDumpHeading) << '\n';
    for (int pos = 1; pos < count; ++pos) writeRecordText(context.out, doc, pos, full);
    return Ok;
}

}  // namespace velno::cli
