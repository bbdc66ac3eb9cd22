#pragma once
// The emergency contacts ("emerg.dat") and special needs ("spneed.dat") as
// the dialogs, the lists and the command line see them: entries found by
// the key a record links to, shared by every record that links to it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/ContactEntries.h"
#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;

enum class SharedKind { Contact, Need };

// A need shorter than this counts as no need.
constexpr std::size_t kMinimumNeedLength = 4;

std::optional<EmergencyContact> contactByKey(const CVelnoDoc& doc, std::uint16_t key);
std::optional<SpecialNeed> needByKey(const CVelnoDoc& doc, std::uint16_t key);
// The need text of a key (Windows-1252), empty for no need or one too short.
std::string needText(const CVelnoDoc& doc, std::uint16_t key);

// Records other than `self` whose link of that kind holds `key`.
int otherLinks(const CVelnoDoc& doc, SharedKind kind, std::uint16_t key, PublisherId self);

// More than one entry is in use: the dialogs offer the existing ones.
bool severalEntries(const CVelnoDoc& doc, SharedKind kind);

struct SharedEntryRow {
    std::uint16_t key;
    std::string text;  // Windows-1252, trimmed
};
// Every entry a chooser offers, in file order: contacts with a text, needs
// of at least four characters.
std::vector<SharedEntryRow> sharedEntryRows(const CVelnoDoc& doc, SharedKind kind);

// Stores an entry: rewritten in place under `key`, or added under a new
// key when `key` is 0. Returns the key, 0 when the file could not be
// written (the document has told the user).
std::uint16_t storeSharedEntry(CVelnoDoc& doc, SharedKind kind, std::uint16_t key,
                               const Bytes& entry);

// A box's text on its way into a field (UTF-8 in, Windows-1252 kept in
// `field`): false, with a message told, for a character the file cannot
// hold; longer texts are cut to `limit`.
bool acceptBoxText(CVelnoDoc& doc, std::string& field, const std::string& utf8, std::size_t limit,
                   bool scrambled = false);

}  // namespace velno
