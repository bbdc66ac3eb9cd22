#pragma once
// A document over a temporary data folder with a fixed "today", for the
// report-month tests. Records are added in memory and indexed at once.

#include <string>

#include "reporting/CollectionState.h"
#include "reporting/TallyMonth.h"
#include "session/SessionRules.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno::test {

struct MonthFixture {
    TempFolder dir;
    ScriptedPrompter prompter;
    CVelnoDoc doc;

    // 3 April 2025: the ReportMonth is March 2025 (odd year, parity 1).
    explicit MonthFixture(CalendarDate today = {2025, 4, 3}) {
        doc.setPrompter(&prompter);
        doc.setRules(&tallyRules());
        doc.setToday(today);
        doc.loadStore(dir.path());
    }

    PublisherRecord& add(PublisherId id, const std::string& first, const std::string& last,
                         ListKind kind = ListActive) {
        doc.store().append(makeRecord(id, first, last, kind));
        doc.sortAndIndex();
        return rec(id);
    }
    PublisherRecord& rec(PublisherId id) { return *doc.store().recordById(id); }
    int pos(PublisherId id) const { return doc.store().storePosById(id); }

    // Slot of a month in a given year.
    static int slot(int month0, int year) { return monthSlot(month0, parityOfYear(year)); }
    // The report month as opened: initialised for its year and open.
    void open() {
        const ReportMonth& m = doc.reportMonth();
        doc.header().setInitYear(m.slot(), m.reportYear2);
        doc.header().setCollectionState(m.reportMonth0, Collection::Open);
    }
    void setState(int month0, int state) {
        doc.header().setCollectionState(month0, static_cast<std::uint8_t>(state));
    }
    int state(int month0) const { return collectionState(doc, month0); }
    // Saves and loads the folder again as a new run on another day.
    void restart(CalendarDate today, int earlyYear2 = 0, int earlyMonth = 0) {
        doc.saveAll();
        doc.reportMonth().earlyYear2 = earlyYear2;
        doc.reportMonth().earlyMonth = earlyMonth;
        doc.setToday(today);
        doc.loadStore(dir.path());
    }
};

// Reports of one month: hours, studies and the participation bit.
inline void report(PublisherRecord& r, int slot, int hours, int studies = 0, int kind = -1) {
    r.hours[slot] = static_cast<std::uint16_t>(hours);
    r.studiesWord[slot] = static_cast<std::uint16_t>(studies | StudiesWord::SharedOrUnderHour);
    if (kind >= 0) r.serviceKind[slot] = static_cast<std::uint8_t>(kind);
}

}  // namespace velno::test
