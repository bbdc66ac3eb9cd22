#include "publishers/SharedEntries.h"

#include "publishers/RecordTextInput.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"

namespace velno {

namespace {

const KeyedEntryFile& fileOf(const CVelnoDoc& doc, SharedKind kind) {
    return kind == SharedKind::Contact ? doc.emergency() : doc.specialNeeds();
}

std::uint16_t linkOf(const PublisherRecord& r, SharedKind kind) {
    return kind == SharedKind::Contact ? r.emergId : r.specneed;
}

}  // namespace

std::optional<EmergencyContact> contactByKey(const CVelnoDoc& doc, std::uint16_t key) {
    const auto bytes = doc.emergency().entryByKey(key);
    if (bytes.empty()) return std::nullopt;
    return entryFromBytes<EmergencyContact>(bytes);
}

std::optional<SpecialNeed> needByKey(const CVelnoDoc& doc, std::uint16_t key) {
    const auto bytes = doc.specialNeeds().entryByKey(key);
    if (bytes.empty()) return std::nullopt;
    return entryFromBytes<SpecialNeed>(bytes);
}

std::string needText(const CVelnoDoc& doc, std::uint16_t key) {
    const auto need = needByKey(doc, key);
    if (!need) return {};
    const std::string text(trimmed(fieldText(need->text)));
    return text.size() < kMinimumNeedLength ? std::string() : text;
}

int otherLinks(const CVelnoDoc& doc, SharedKind kind, std::uint16_t key, PublisherId self) {
    if (key < KeyedEntryFile::kFirstKey) return 0;
    int n = 0;
    const RecordStore& store = doc.store();
    for (int pos = 1; pos < store.recordCount(); ++pos)
        if (store.at(pos).id != self && linkOf(store.at(pos), kind) == key) ++n;
    return n;
}

bool severalEntries(const CVelnoDoc& doc, SharedKind kind) {
    int n = 0;
    for (const auto& e : fileOf(doc, kind).indexEntries())
        if (e.key >= KeyedEntryFile::kFirstKey && ++n > 1) return true;
    return false;
}

std::vector<SharedEntryRow> sharedEntryRows(const CVelnoDoc& doc, SharedKind kind) {
    std::vector<SharedEntryRow> rows;
    for (const auto& e : fileOf(doc, kind).indexEntries()) {
        if (e.key < KeyedEntryFile::kFirstKey) continue;
        const auto bytes = fileOf(doc, kind).entryByKey(e.key);
        if (bytes.empty()) continue;
        std::string text;
        if (kind == SharedKind::Contact) {
            text = trimmed(fieldText(entryFromBytes<EmergencyContact>(bytes).contact));
        } else {
            text = trimmed(fieldText(entryFromBytes<SpecialNeed>(bytes).text));
            if (text.size() < kMinimumNeedLength) text.clear();
        }
        if (!text.empty()) rows.push_back({e.key, std::move(text)});
    }
    return rows;
}

std::uint16_t storeSharedEntry(CVelnoDoc& doc, SharedKind kind, std::uint16_t key,
                               const Bytes& entry) {
    KeyedEntryFile& file = kind == SharedKind::Contact ? doc.emergency() : doc.specialNeeds();
    if (key != 0 && doc.writeEntryByKey(file, key, entry)) return key;
    // An entry that has gone from the file since the dialog opened is
    // stored anew rather than lost.
    if (key != 0 && file.readEntryByKey(key)) return 0;
    return doc.addEntry(file, entry);
}

bool acceptBoxText(CVelnoDoc& doc, std::string& field, const std::string& utf8, std::size_t limit,
                   bool scrambled) {
    RecordTextInput input = recordTextInput(utf8, limit, scrambled);
    if (!input.ok) {
        doc.prompter().tell(input.message, Icon::Warning);
        return false;
    }
    field = std::move(input.bytes);
    return true;
}

}  // namespace velno
