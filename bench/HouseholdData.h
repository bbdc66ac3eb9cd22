#pragma once
// Households and special needs over the full-capacity document: every fifth
// active publisher heads a household of the next two, every tenth record
// has one of a hundred needs (written once into "spneed.dat").

#include "FullCapacityDocument.h"
#include "store/ContactEntries.h"
#include "store/Households.h"

namespace velno::bench {

inline CVelnoDoc& householdDocument() {
    static bool done = false;
    CVelnoDoc& doc = fullDocument();
    if (done) return doc;
    done = true;
    RecordStore& store = doc.store();
    const auto& active = store.subList(ListActive);
    for (std::size_t i = 0; i + 2 < active.size(); i += 5) {
        PublisherRecord& head = store.at(active[i]);
        head.flags |= RecordFlag::HouseholdHead;
        head.household = 0;
        for (std::size_t m = 1; m <= 2; ++m) {
            PublisherRecord& member = store.at(active[i + m]);
            member.flags = static_cast<std::uint8_t>(member.flags & ~RecordFlag::HouseholdHead);
            member.household = head.id;
        }
    }
    Bytes needs;
    for (int k = 0; k < 100; ++k) {
        SpecialNeed n{};
        n.key = static_cast<std::uint16_t>(10 + k);
        setFieldText(n.text, "Kebutuhan khusus nomor " + std::to_string(k));
        const Bytes b = entryBytes(n);
        needs.insert(needs.end(), b.begin(), b.end());
    }
    for (int pos = 1; pos < store.recordCount(); ++pos)
        store.at(pos).specneed = pos % 10 == 0 ? static_cast<std::uint16_t>(10 + pos % 100) : 0;
    if (!doc.folder().write("spneed.dat", needs)) std::abort();
    doc.indexSpecialNeeds();
    store.rebuildIndex();
    return doc;
}

}  // namespace velno::bench
