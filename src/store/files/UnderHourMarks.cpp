#include "store/files/UnderHourMarks.h"

#include <cstring>

#include "store/RecordStore.h"

namespace velno {

namespace UnderHourMarks {

void applyUnderHourMarks(const DataFolder& folder, RecordStore& store) {
    // 1509 records at most; anything beyond is not ours.
    const auto file = folder.read(kFileName, sizeof(UnderHourEntry) * 4096);
    const std::size_t n = file.bytes.size() / sizeof(UnderHourEntry);
    for (std::size_t k = 0; k < n; ++k) {
        UnderHourEntry e;
        std::memcpy(&e, file.bytes.data() + k * sizeof e, sizeof e);
        PublisherRecord* r = store.recordById(e.id);
        if (!r) continue;
        for (int m = 0; m < 12; ++m) {
            for (int parity = 0; parity < 2; ++parity) {
                if (e.marks[m * 2 + parity] != 1) continue;
                const int slot = monthSlot(m, parity);
                if (r->hours[slot] == 0 && r->studiesWord[slot] < StudiesWord::ReportThreshold)
                    r->studiesWord[slot] |= StudiesWord::SharedOrUnderHour;
            }
        }
    }
}

FileResult writeUnderHourMarks(const DataFolder& folder, const RecordStore& store,
                               const IsOldForm& isOldForm) {
    bool anyMark = false;
    for (int pos = 1; pos < store.recordCount() && !anyMark; ++pos)
        for (std::uint16_t word : store.at(pos).studiesWord)
            if (word & StudiesWord::SharedOrUnderHour) anyMark = true;
    if (!anyMark) return folder.remove(kFileName);
    Bytes bytes;
    for (int pos = 1; pos < store.recordCount(); ++pos) {
        const PublisherRecord& r = store.at(pos);
        UnderHourEntry entry{};
        entry.id = r.id;
        bool any = false;
        for (int parity = 0; parity < 2; ++parity) {
            for (int m = 0; m < 12; ++m) {
                if (!isOldForm(m, parity)) continue;
                if (r.studiesWord[monthSlot(m, parity)] & StudiesWord::SharedOrUnderHour) {
                    entry.marks[m * 2 + parity] = 1;
                    any = true;
                }
            }
        }
        if (!any) continue;
        const auto* p = reinterpret_cast<const std::uint8_t*>(&entry);
        bytes.insert(bytes.end(), p, p + sizeof entry);
    }
    return folder.write(kFileName, bytes);
}

}  // namespace UnderHourMarks

}  // namespace velno
