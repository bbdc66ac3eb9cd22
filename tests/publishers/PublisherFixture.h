#pragma once
// A document over a temporary data folder with a fixed "today" for the
// publisher tests: 10 April 2024, so the ReportMonth is March 2024
// (two-digit year 24, even parity).

#include <string>

#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno::test {

struct PublisherFixture {
    TempFolder dir;
    ScriptedPrompter prompter;
    CVelnoDoc doc;

    explicit PublisherFixture(CalendarDate today = {2024, 4, 10}) {
        doc.setPrompter(&prompter);
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
    std::string first(PublisherId id) { return fieldText(rec(id).fname); }
    std::string last(PublisherId id) { return fieldText(rec(id).lname); }

    static int slot(int month0, int year) { return monthSlot(month0, parityOfYear(year)); }
    int reportSlot() const { return doc.reportMonth().slot(); }
};

}  // namespace velno::test
