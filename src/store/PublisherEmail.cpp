#include "store/PublisherEmail.h"

#include <cstring>

#include "store/CVelnoDoc.h"
#include "store/FixedText.h"

namespace velno {

std::string publisherEmailAt(const CVelnoDoc& doc, int pos) {
    if (pos <= 0 || pos >= doc.store().recordCount()) return {};
    const PublisherRecord& r = doc.store().at(pos);
    // Only the table's const image is read; the document keeps no const
    // accessor to its extensions.
    const ExtensionTable& table = const_cast<CVelnoDoc&>(doc).extensions();
    if (r.extSlot <= 0 || r.extSlot >= table.count() || table.ownerOf(r.extSlot) != r.id) return {};
    const std::size_t offset = static_cast<std::size_t>(r.extSlot) * sizeof(PublisherExtension);
    if (table.image().size() < offset + sizeof(PublisherExtension)) return {};
    PublisherExtension entry;
    std::memcpy(&entry, table.image().data() + offset, sizeof entry);
    unscrambleExtension(entry);
    entry.email[sizeof entry.email - 1] = 0;
    return std::string(trimmed(fieldText(entry.email)));
}

}  // namespace velno
