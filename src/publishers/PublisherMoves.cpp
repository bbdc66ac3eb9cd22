#include "publishers/PublisherMoves.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

namespace {

constexpr std::uint8_t kKeptOnMove =
    RecordFlag::HouseholdHead | RecordFlag::Brother | RecordFlag::Sister;

bool validPos(const CVelnoDoc& doc, int pos) {
    return pos > 0 && pos < doc.store().recordCount();
}

bool validMonth(int month) {
    return month >= 1 && month <= 12;
}

// The year month 1..12 belongs to, seen from the ReportMonth.
int yearOfMonth(const CVelnoDoc& doc, int month) {
    const ReportMonth& rm = doc.reportMonth();
    return mostRecentYear(month - 1, rm.reportMonth0, rm.reportYear());
}

std::uint16_t stampOfMonth(const CVelnoDoc& doc, int month) {
    return static_cast<std::uint16_t>(stampOf(yearOfMonth(doc, month), month - 1));
}

void clearHouseholdLinks(CVelnoDoc& doc, PublisherId id) {
    RecordStore& store = doc.store();
    for (int p = 1; p < store.recordCount(); ++p)
        if (store.at(p).household == id) store.at(p).household = 0;
}

void finishMove(CVelnoDoc& doc) {
    doc.rebuildIndex();
    doc.dirty = true;
}

int verbText(MoveVerb verb) {
    switch (verb) {
        case MoveVerb::ToInactive:
            return text::TxMoveVerbInactive;
        case MoveVerb::Reactivated:
            return text::TxMoveVerbReactivated;
        case MoveVerb::MovedAway:
            return text::TxMoveVerbMoved;
        case MoveVerb::Returned:
            return text::TxMoveVerbReturned;
        case MoveVerb::Promoted:
            break;
    }
    return text::TxMoveVerbPromoted;
}

}  // namespace

std::string moveCaption(const CVelnoDoc& doc, int pos, MoveVerb verb) {
    return text::tr(text::TxMonthWord) + " " + text::cp1252ToUtf8(doc.displayName(pos)) + " " +
           text::tr(verbText(verb));
}

MonthChoiceModel moveQuestion(const CVelnoDoc& doc, int pos, MoveVerb verb) {
    const MonthChoiceExtra extra =
        verb == MoveVerb::ToInactive ? MonthChoiceExtra::YearList : MonthChoiceExtra::None;
    return MonthChoiceModel(doc.reportMonth(), moveCaption(doc, pos, verb), extra);
}

std::uint16_t deletionStamp(int month, int year) {
    return static_cast<std::uint16_t>(month + 256 * (year - 1950));
}

bool deletePermanently(CVelnoDoc& doc, int pos) {
    if (!validPos(doc, pos)) return false;
    doc.deleteRecord(pos);
    finishMove(doc);
    return true;
}

bool deleteTemporarily(CVelnoDoc& doc, int pos, int month, int year) {
    if (!validPos(doc, pos) || month < 0 || month > 12 || year < 1950) return false;
    if (doc.store().countList(ListDeleted) >= kDeletedListLimit) return false;
    PublisherRecord& r = doc.store().at(pos);
    r.statusMark = 0;
    r.flags &= kKeptOnMove;
    r.listKind = ListDeleted;
    r.markStamp = deletionStamp(month, year);
    clearHouseholdLinks(doc, r.id);
    doc.privilegeDates().removeAllOf(r.id);
    finishMove(doc);
    return true;
}

int reactivatePublisher(CVelnoDoc& doc, int pos, int month) {
    if (!validPos(doc, pos) || !validMonth(month)) return -1;
    PublisherRecord& r = doc.store().at(pos);
    if (r.listKind != ListInactive) return -1;
    // Counted from the year the chosen month belongs to: a month after the
    // ReportMonth lies in the year before, and counting from the
    // ReportMonth's year would clear reports from before the absence.
    const int year = yearOfMonth(doc, month);
    int absent = (year - yearFromByte(r.listYear)) * 12 + month - r.statusMonth();
    absent = std::min(absent, kReactivationMonthsLimit);

    r.statusMark = static_cast<std::uint8_t>(16 * month + 2);
    r.listYear = r.statusMark;
    r.markStamp = stampOfMonth(doc, month);
    r.flags &= kKeptOnMove;
    r.listKind = ListActive;

    RemarkTable& remarks = doc.remarks();
    std::vector<RemarkEntry> emptied;
    int month0 = month - 1;
    int parity = parityOfYear(year);
    for (int n = 0; n < absent; ++n) {
        const int slot = monthSlot(month0, parity);
        r.clearItemsAt(slot);
        r.serviceKind[slot] = 0;
        const int k = r.remarkIndex[slot];
        if (k > 0 && k < remarks.count() && remarks.at(k).id == r.id) {
            std::memset(remarks.at(k).text, 0, sizeof remarks.at(k).text);
            emptied.push_back(remarks.at(k));
            r.remarkIndex[slot] = 0;
        }
        if (--month0 < 0) {
            month0 = 11;
            parity ^= 1;
        }
    }
    if (!emptied.empty()) doc.reportWriteFailure(RemarkTable::writeRemarks(doc.folder(), emptied));
    finishMove(doc);
    return std::max(absent, 0);
}

bool promoteBibleStudent(CVelnoDoc& doc, int pos, int month) {
    if (!validPos(doc, pos) || !validMonth(month)) return false;
    PublisherRecord& r = doc.store().at(pos);
    if (r.listKind != ListBibleStudent) return false;
    r.statusMark = static_cast<std::uint8_t>(16 * month + 1);
    r.listYear = r.statusMark;
    r.markStamp = stampOfMonth(doc, month);
    r.listKind = ListActive;
    // The placements of a Bible student held the conductor's name.
    for (int slot = 0; slot < kSlotCount; ++slot) {
        r.clearItemsAt(slot);
        r.serviceKind[slot] = 0;
    }
    finishMove(doc);
    return true;
}

bool moveToInactive(CVelnoDoc& doc, int pos, int month, int year) {
    if (!validPos(doc, pos) || !validMonth(month)) return false;
    PublisherRecord& r = doc.store().at(pos);
    if (r.listKind != ListActive) return false;
    if (doc.store().countList(ListInactive) >= kInactiveListLimit) return false;
    r.statusMark = static_cast<std::uint8_t>(16 * month);
    r.listYear = yearToByte(year);
    r.flags &=
        static_cast<std::uint8_t>(~(RecordFlag::CustomCategory | RecordFlag::NoGroupOnSideList));
    r.listKind = ListInactive;
    finishMove(doc);
    return true;
}

bool restoreDeleted(CVelnoDoc& doc, int pos, int month) {
    if (!validPos(doc, pos) || !validMonth(month)) return false;
    PublisherRecord& r = doc.store().at(pos);
    if (r.listKind != ListDeleted) return false;
    r.statusMark = static_cast<std::uint8_t>(16 * month + 2);
    r.listYear = r.statusMark;
    r.flags &= kKeptOnMove;
    r.listKind = ListActive;
    r.markStamp = 0;
    finishMove(doc);
    return true;
}

bool moveAway(CVelnoDoc& doc, int pos, int month) {
    if (!validPos(doc, pos) || !validMonth(month)) return false;
    PublisherRecord& r = doc.store().at(pos);
    if (r.listKind != ListActive && r.listKind != ListInactive) return false;
    if (doc.store().countList(ListMoved) >= kMovedListLimit) return false;
    if (r.listKind == ListInactive) {
        r.dpa[0] = 'I';
        r.dpa[1] = static_cast<char>(r.statusMonth());
    }
    r.statusMark = static_cast<std::uint8_t>(16 * month);
    r.extSlot = 0;
    r.household = 0;
    r.listKind = ListMoved;
    finishMove(doc);
    return true;
}

bool returnsToInactive(const PublisherRecord& r) {
    return r.listKind == ListMoved && r.dpa[0] == 'I';
}

bool undoMove(CVelnoDoc& doc, int pos, int month, bool regular) {
    if (!validPos(doc, pos)) return false;
    PublisherRecord& r = doc.store().at(pos);
    if (r.listKind != ListMoved) return false;
    if (returnsToInactive(r)) {
        // The year byte still holds the inactive year.
        r.statusMark = static_cast<std::uint8_t>(16 * (static_cast<std::uint8_t>(r.dpa[1]) & 0x0F));
        r.dpa[0] = 0;
        r.dpa[1] = 0;
        r.listKind = ListInactive;
    } else {
        if (!validMonth(month)) return false;
        r.statusMark = static_cast<std::uint8_t>(16 * month + (regular ? 4 : 0));
        r.listYear = r.statusMark;
        r.listKind = ListActive;
    }
    finishMove(doc);
    return true;
}

}  // namespace velno
