#pragma once
// A document with a fixed "today" and hand-built records, for the
// classification, averages, attendance and statistics tests. Months are
// addressed by MonthStamp so that year wraps are explicit.

#include <string>

#include "reporting/Classification.h"
#include "store/CVelnoDoc.h"
#include "store/DateText.h"
#include "store/FixedText.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno::test {

struct AnalyticsFixture {
    TempFolder dir;
    CVelnoDoc doc;

    // 5 December 2024: the ReportMonth is November 2024 (stamp 298, parity 0).
    explicit AnalyticsFixture(CalendarDate today = {2024, 12, 5}) {
        doc.setToday(today);
        doc.loadStore(dir.path());
    }

    int stamp() const { return doc.reportMonth().reportStamp; }

    // Records stay where they are added, so references to them stay valid;
    // sort() puts them in name order.
    PublisherRecord& add(PublisherId id, const std::string& first, const std::string& last,
                         ListKind kind = ListActive) {
        doc.store().append(makeRecord(id, first, last, kind));
        doc.rebuildIndex();
        return rec(id);
    }
    void sort() { doc.sortAndIndex(); }
    PublisherRecord& rec(PublisherId id) { return *doc.store().recordById(id); }
    int pos(PublisherId id) const { return doc.store().storePosById(id); }

    void setState(int state) {
        doc.header().setCollectionState(doc.reportMonth().reportMonth0,
                                        static_cast<std::uint8_t>(state));
    }
    void open() { setState(1); }
    void close() { setState(2); }

    Classification cls() const { return Classification(doc); }
};

// A report for the month `stamp`: hours, studies, the participation bit,
// quarter hours and the service kind.
inline void reportAt(PublisherRecord& r, int stamp, int hours, int studies = 0,
                     int kind = ServicePublisher, int quarters = 0) {
    const int slot = slotOf(stamp);
    r.hours[slot] = static_cast<std::uint16_t>(hours);
    r.studiesWord[slot] = static_cast<std::uint16_t>(studies | StudiesWord::SharedOrUnderHour |
                                                     (quarters << StudiesWord::QuarterShift));
    r.serviceKind[slot] = static_cast<std::uint8_t>(kind);
}

// The e-mail address of the record's extended information.
inline void setEmail(AnalyticsFixture& f, PublisherId id, const std::string& address) {
    PublisherExtension& e = f.doc.extensions().current();
    e = PublisherExtension{};
    e.owner = id;
    setFieldText(e.email, address);
    f.rec(id).extSlot = static_cast<std::uint16_t>(f.doc.writeExtension());
}

inline void kindAt(PublisherRecord& r, int stamp, int kind) {
    r.serviceKind[slotOf(stamp)] = static_cast<std::uint8_t>(kind);
}

// Reports in each of the `months` months up to and including `last`.
inline void reportMonths(PublisherRecord& r, int last, int months, int hours, int studies = 0,
                         int kind = ServicePublisher) {
    for (int i = 0; i < months; ++i) reportAt(r, last - i, hours, studies, kind);
}

inline void setBaptism(PublisherRecord& r, int month, int day, int year) {
    setFieldText(r.bapdate, makeDateText(month, day, year));
}
inline void setBirth(PublisherRecord& r, int month, int day, int year) {
    setFieldText(r.birdate, makeDateText(month, day, year));
}

// statusMark and its copy: month 1..12 and code.
inline void setStatus(PublisherRecord& r, int month, int code, int markStamp = 0) {
    r.statusMark = static_cast<std::uint8_t>(month * 16 + code);
    r.listYear = r.statusMark;
    r.markStamp = static_cast<std::uint16_t>(markStamp);
}

}  // namespace velno::test
