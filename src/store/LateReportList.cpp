#include "store/LateReportList.h"

#include <algorithm>

#include "store/RecordStore.h"
#include "store/ReportMonth.h"

namespace velno {

void LateReportList::add(PublisherId id, int month0, int processingMonth0) {
    const LateReportEntry entry{id, static_cast<std::uint8_t>(month0),
                                static_cast<std::uint8_t>(processingMonth0 + 1)};
    const auto same = std::find_if(entries_.begin(), entries_.end(), [&](const LateReportEntry& e) {
        return e.id == id && e.month0 == month0;
    });
    if (same != entries_.end()) {
        entries_.erase(same);
        entries_.push_back(entry);
        return;
    }
    if (count() < kCapacity) entries_.push_back(entry);
}

void LateReportList::rebuild(const RecordStore& store, const ReportMonth& month) {
    entries_.clear();
    const std::uint8_t marker = static_cast<std::uint8_t>(month.reportMonth0 + 1);
    int m = month.reportMonth0;
    int parity = month.parity();
    for (int back = 0; back < 6; ++back) {
        if (m == 0) {
            m = 11;
            parity ^= 1;
        } else {
            --m;
        }
        const int slot = monthSlot(m, parity);
        for (int pos = 1; pos < store.recordCount(); ++pos) {
            const PublisherRecord& r = store.at(pos);
            if (r.listKind != ListActive || r.lateMark[slot] != marker) continue;
            if (count() >= kRebuildLimit) return;
            entries_.push_back({r.id, static_cast<std::uint8_t>(m), marker});
        }
    }
}

void LateReportList::writeMarks(RecordStore& store, const ReportMonth& month) const {
    const std::uint8_t marker = static_cast<std::uint8_t>(month.reportMonth0 + 1);
    for (int pos = 1; pos < store.recordCount(); ++pos)
        for (auto& mark : store.at(pos).lateMark)
            if (mark == marker) mark = 0;
    for (const auto& e : entries_) {
        PublisherRecord* r = store.recordById(e.id);
        if (!r || e.month0 > 11) continue;
        r->lateMark[month.recentSlot(e.month0)] = e.processing;
    }
}

}  // namespace velno
