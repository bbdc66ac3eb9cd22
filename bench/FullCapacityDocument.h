#pragma once
// The full-capacity folder loaded into a document, with what the reporting
// pages look at: service kinds, participation, quarter hours, status marks,
// side-list months, dates, privileges and meeting attendance.

#include <memory>
#include <random>

#include "FullCapacityFolder.h"
#include "reporting/Classification.h"
#include "store/CVelnoDoc.h"
#include "store/DateText.h"
#include "store/FixedText.h"

namespace velno::bench {

// The full folder's records carry random hours only; give them what the
// classification looks at: service kinds, participation, quarter hours,
// status marks, side-list months, dates, privileges and attendance.
inline void addClassificationData(CVelnoDoc& doc) {
    std::mt19937 rng(7);
    const ReportMonth& rm = doc.reportMonth();
    const int stamp = rm.reportStamp;
    auto& store = doc.store();
    for (int pos = 1; pos < store.recordCount(); ++pos) {
        PublisherRecord& r = store.at(pos);
        if (r.listKind == ListInactive && pos % 3 == 0) r.listKind = ListMoved;
        for (int i = 0; i < 24; ++i) {
            const int slot = slotOf(stamp - i);
            int kind = ServicePublisher;
            if (pos % 10 == 0) kind = ServiceRegular;
            if (pos % 97 == 0) kind = ServiceSpecial;
            if (pos % 7 == 0 && rng() % 3 == 0) kind = ServiceAuxiliary;
            r.serviceKind[slot] = static_cast<std::uint8_t>(kind);
            if (rng() % 12 == 0) {
                r.hours[slot] = 0;
                r.studiesWord[slot] = 0;
                continue;
            }
            r.studiesWord[slot] = static_cast<std::uint16_t>(
                (rng() % 4) | StudiesWord::SharedOrUnderHour | ((rng() % 4) << 12));
            r.credit[slot] = static_cast<std::uint16_t>(kind == ServiceRegular ? rng() % 10 : 0);
        }
        const int markAgo = static_cast<int>(rng() % 30);
        const int code = 1 << (rng() % 3);
        r.statusMark = static_cast<std::uint8_t>(((stamp - markAgo) % 12 + 1) * 16 + code);
        r.listYear = r.listKind == ListActive ? r.statusMark
                                              : static_cast<std::uint8_t>((stamp - markAgo) / 12);
        r.markStamp = static_cast<std::uint16_t>(stamp - markAgo);
        if (rng() % 10) setFieldText(r.bapdate, makeDateText(1 + rng() % 12, 1, 1950 + rng() % 75));
        if (rng() % 10) setFieldText(r.birdate, makeDateText(1 + rng() % 12, 1, 1930 + rng() % 90));
        r.flags = static_cast<std::uint8_t>(rng() % 4);
        if (pos % 50 == 0) r.categoryBits = CategoryBit::SpecialServant;
    }
    store.rebuildIndex();
    for (auto& block : doc.meetings().blocks)
        for (int slot = 0; slot < kSlotCount; ++slot) {
            for (int w = 0; w < 4; ++w)
                block.week[w][slot] = static_cast<std::uint16_t>(80 + rng() % 40);
            block.meetings[slot] = 4;
            block.total[slot] = 400;
            block.average[slot] = 100;
        }
    doc.header().setCollectionState(rm.reportMonth0, 1);
}

// The full folder loaded once, with addClassificationData applied.
inline CVelnoDoc& fullDocument() {
    static std::unique_ptr<CVelnoDoc> doc;
    if (!doc) {
        doc = std::make_unique<CVelnoDoc>();
        doc->setToday(kToday);
        doc->loadStore(fullFolder());
        addClassificationData(*doc);
    }
    return *doc;
}

}  // namespace velno::bench
