#include "reporting/InitialiseMonth.h"

#include <cstring>
#include <vector>

#include "reporting/AttendanceEarlySlot.h"
#include "reporting/TallyMonth.h"
#include "store/CVelnoDoc.h"
#include "store/SideListMaintenance.h"
#include "store/Snapshots.h"

namespace velno {

namespace {

// Status marks of new, moved-in and reactivated publishers age with each
// month opened: the mark lasts six months, its copy twelve, and the month
// code twenty-four.
void ageStatus(PublisherRecord& r, int month0, int processingStamp) {
    const int six = month0 > 5 ? month0 - 5 : month0 + 7;
    if (r.statusMonth() == six) r.statusMark = 0;
    const int copyMonth = r.listYear >> 4;
    if (copyMonth == month0 + 1 && r.statusMonth() != copyMonth) r.listYear &= 0x0F;
    if (r.markStamp != 0 && r.markStamp < processingStamp - 24) {
        r.markStamp = 0;
        r.listYear = 0;
    }
}

// Regular and special pioneers stay pioneers; an auxiliary pioneer only
// when he is one continuously.
std::uint8_t carriedKind(const PublisherRecord& r, int previousSlot) {
    if (r.flags & RecordFlag::ContinuousAuxiliary) return ServiceAuxiliary;
    const std::uint8_t previous = r.kindAt(previousSlot);
    if (previous == ServiceRegular || previous == ServiceSpecial) return previous;
    return ServicePublisher;
}

}  // namespace

InitialiseResult InitialiseMonth(CVelnoDoc& doc, int month0, int parity) {
    InitialiseResult result;
    if (month0 < 0 || month0 > 11 || parity < 0 || parity > 1) return result;
    result.snapshotTaken = takeSnapshot(doc, month0);

    const ReportMonth& month = doc.reportMonth();
    RecordStore& store = doc.store();
    RemarkTable& remarks = doc.remarks();
    const int slot = monthSlot(month0, parity);
    const int previous = month0 == 0 ? 11 : month0 - 1;
    const int previousParity = month0 == 0 ? parity ^ 1 : parity;
    const int previousSlot = monthSlot(previous, previousParity);

    for (int pos : store.subList(ListActive)) {
        PublisherRecord& r = store.at(pos);
        ageStatus(r, month0, month.reportStamp);
        r.serviceKind[slot] = carriedKind(r, previousSlot);
        const std::uint16_t k = r.remarkIndex[slot];
        // Emptied in memory only: the save writes them with the records that
        // no longer point at them, so the disk never holds one without the other.
        if (k > 0 && k < remarks.count())
            std::memset(remarks.at(k).text, 0, sizeof remarks.at(k).text);
        r.remarkIndex[slot] = 0;
        r.clearItemsAt(slot);
        r.credit[slot] = 0;
    }

    // A Bible student's placements hold the name of the study conductor,
    // so that array is left alone.
    for (int pos : store.subList(ListBibleStudent)) {
        PublisherRecord& r = store.at(pos);
        r.videos[slot] = 0;
        r.hours[slot] = 0;
        r.returnVisits[slot] = 0;
        r.studiesWord[slot] = 0;
        r.credit[slot] = 0;
        r.remarkIndex[slot] = 0;
    }
    for (int pos : store.subList(ListDeleted)) {
        PublisherRecord& r = store.at(pos);
        r.clearItemsAt(slot);
        r.credit[slot] = 0;
        r.serviceKind[slot] = 0;
        r.remarkIndex[slot] = 0;
    }
    // The slot held the month of two years ago; a late mark left there
    // would name a processing month again and come back as a late report.
    for (int pos = 1; pos < store.recordCount(); ++pos) store.at(pos).lateMark[slot] = 0;

    doc.documentCounter = 0;  // the last publisher entered
    int initYear = month.todayYear - 2000;
    if (month0 == 11 && month.todayMonth < 3) --initYear;
    doc.header().setInitYear(slot, yearToByte(2000 + initYear));

    CategoryTally& tally = doc.tally();
    bool anyCounted = false;
    for (int c = TallyCategory::Publishers; c <= TallyCategory::Regular; ++c)
        anyCounted = anyCounted || tally.at(c, TallyValue::Count) > 0;
    if (anyCounted) {
        tally.clear();
        tally.stale = true;
    }
    doc.lateReports().clear();

    result.inactiveRemoved = trimInactiveList(doc, month.todayYear);
    clearMonthOnInactiveList(doc, month0, parity);
    result.movedRemoved = clearMonthOnMovedList(doc, month0, parity);
    result.deletedRemoved = trimDeletedList(doc, month.todayYear);
    clearMonthOnDeletedList(doc, month0, parity, month.todayYear, month.todayMonth);

    moveEarlyAttendance(doc, month0, parity);

    HeaderRecord header = doc.header();
    for (int m = 0; m < 12; ++m) header.setCollectionState(m, 0);
    header.setCollectionState(month0, 1);
    doc.dirty = true;
    TallyMonth(doc);
    return result;
}

}  // namespace velno
