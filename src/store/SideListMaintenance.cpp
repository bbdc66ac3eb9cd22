#include "store/SideListMaintenance.h"

#include <climits>
#include <functional>

#include "store/CVelnoDoc.h"

namespace velno {

namespace {

struct JoinDate {
    int year;
    int month;
};

// Removes the oldest records of a kind until `kTrimTo` remain.
int trimList(CVelnoDoc& doc, ListKind kind, int currentYear,
             const std::function<JoinDate(const PublisherRecord&)>& joined) {
    RecordStore& store = doc.store();
    if (store.countList(kind) <= kSideListTrimAbove) return 0;
    int removed = 0;
    while (store.countList(kind) > kSideListTrimTo) {
        int oldest = INT_MAX;
        int sharing = 0;
        for (int pos : store.subList(kind)) {
            const int year = joined(store.at(pos)).year;
            if (year < oldest) {
                oldest = year;
                sharing = 1;
            } else if (year == oldest) {
                ++sharing;
            }
        }
        if (oldest >= currentYear) break;
        int month = -1;  // any month
        if (sharing >= 2) {
            month = INT_MAX;
            for (int pos : store.subList(kind)) {
                const JoinDate d = joined(store.at(pos));
                if (d.year == oldest && d.month < month) month = d.month;
            }
        }
        int victim = 0;
        for (int pos : store.subList(kind)) {
            const JoinDate d = joined(store.at(pos));
            if (d.year == oldest && (month < 0 || d.month == month)) {
                victim = pos;
                break;
            }
        }
        if (!victim) break;
        doc.deleteRecord(victim);
        doc.rebuildIndex();
        ++removed;
    }
    return removed;
}

}  // namespace

int trimInactiveList(CVelnoDoc& doc, int currentYear) {
    return trimList(doc, ListInactive, currentYear, [](const PublisherRecord& r) {
        return JoinDate{yearFromByte(r.listYear), r.statusMonth()};
    });
}

int trimDeletedList(CVelnoDoc& doc, int currentYear) {
    return trimList(doc, ListDeleted, currentYear, [](const PublisherRecord& r) {
        return JoinDate{r.markStamp / 256 + 1950, r.markStamp % 256};
    });
}

void clearMonthOnInactiveList(CVelnoDoc& doc, int month0, int parity) {
    RecordStore& store = doc.store();
    const int slot = monthSlot(month0, parity);
    for (int pos : store.subList(ListInactive)) {
        PublisherRecord& r = store.at(pos);
        if ((r.listYear & 1) != parity) continue;
        r.remarkIndex[slot] = 0;
        r.credit[slot] = 0;
        if (r.statusMonth() == month0 + 1) {
            r.serviceKind[slot] = 0;
            r.clearItemsAt(slot);
        }
    }
}

void clearMonthOnDeletedList(CVelnoDoc& doc, int month0, int parity, int currentYear,
                             int todayMonth) {
    RecordStore& store = doc.store();
    const int slot = monthSlot(month0, parity);
    const int month = month0 + 1;
    for (int pos : store.subList(ListDeleted)) {
        PublisherRecord& r = store.at(pos);
        if (r.statusMonth() == month) {
            r.statusMark = 0;
            int year = currentYear - 1;
            if (month > todayMonth) --year;
            r.listYear = yearToByte(year);
            r.serviceKind[slot] = 0;
            r.clearItemsAt(slot);
        }
        r.remarkIndex[slot] = 0;
        r.credit[slot] = 0;
    }
}

int clearMonthOnMovedList(CVelnoDoc& doc, int month0, int parity) {
    RecordStore& store = doc.store();
    const int slot = monthSlot(month0, parity);
    int dropped = 0;
    for (;;) {
        int victim = 0;
        for (int pos : store.subList(ListMoved))
            if (store.at(pos).statusMonth() == month0 + 1) {
                victim = pos;
                break;
            }
        if (!victim) break;
        doc.deleteRecord(victim);
        doc.rebuildIndex();
        ++dropped;
    }
    for (int pos : store.subList(ListMoved)) {
        PublisherRecord& r = store.at(pos);
        r.clearItemsAt(slot);
        r.credit[slot] = 0;
        r.remarkIndex[slot] = 0;
    }
    return dropped;
}

}  // namespace velno
