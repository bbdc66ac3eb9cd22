#include "reporting/PublisherLists.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "reporting/Classification.h"
#include "reporting/PublisherSelection.h"
#include "store/CVelnoDoc.h"
#include "store/DateText.h"
#include "store/FixedText.h"
#include "store/SideListPeriod.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/CommonTexts.h"

namespace velno {

namespace {

constexpr std::array<std::string_view, kListModes> kModeNames{
    "notreporting", "irregular", "new",        "reactivated",  "inactive",      "moved",
    "baptized",     "auxiliary", "conductors", "unbaptized",   "biblestudents", "form",
    "privileges",   "consent",   "noconsent",  "specialneeds", "custom",
};

constexpr std::array<int, kListModes> kChooserTexts{
    text::TxListNotReporting,
    text::TxListIrregular,
    text::TxListNew,
    text::TxListReactivated,
    text::TxListInactive,
    text::TxListMoved,
    text::TxListBaptized,
    text::TxListAuxiliary,
    text::TxListConductors,
    text::TxListUnbaptized,
    text::TxListBibleStudents,
    text::TxListForm,
    text::TxListPrivileges,
    text::TxListConsent,
    text::TxListNoConsent,
    text::TxSpecialNeeds,
    0,  // the custom category's own name
};

constexpr std::uint16_t kNeedBits = MoreBit::Deaf | MoreBit::Blind | MoreBit::Isolated;

// Inactive and Bible-student records may be kept out of every group.
int effectiveGroup(const PublisherRecord& r) {
    if ((r.listKind == ListInactive || r.listKind == ListBibleStudent) &&
        (r.flags & RecordFlag::NoGroupOnSideList))
        return 0;
    return r.group;
}

std::string contactText(const PublisherRecord& r) {
    const std::string home = text::cp1252ToUtf8(trimmed(fieldText(r.phone)));
    const std::string mobile = text::cp1252ToUtf8(trimmed(fieldText(r.phone2)));
    if (mobile.empty()) return home;
    if (home.empty()) return mobile;
    return home + "\t" + mobile;
}

// "YYYY-MM-DD" of a stored date, empty when it holds none; an incomplete
// date keeps its blanks.
std::string exchangeDate(const char* date) {
    const std::string text(date, strnlen(date, 9));
    if (!isDateSet(text)) return {};
    if (const auto d = parseDateText(text))
        return text::formatPrintf("%04d-%02d-%02d", d->year, d->month, d->day);
    return dateTextToExchange(text);
}

// The first privilege-date entry of each (id, kind), looked up once per list
// instead of once per publisher.
class PrivilegeIndex {
public:
    PrivilegeIndex(const CVelnoDoc& doc, bool needed) {
        if (!needed) return;
        for (const PrivilegeDateEntry& e : doc.privilegeDates().entries)
            byKey_.emplace(key(e.id, e.kind), &e);
    }
    const PrivilegeDateEntry* find(PublisherId id, int kind) const {
        const auto it = byKey_.find(key(id, kind));
        return it == byKey_.end() ? nullptr : it->second;
    }

private:
    static std::uint32_t key(PublisherId id, int kind) {
        return (static_cast<std::uint32_t>(id) << 16) | static_cast<std::uint16_t>(kind);
    }
    std::unordered_map<std::uint32_t, const PrivilegeDateEntry*> byKey_;
};

int sideListMonth(const Classification& cls, const PublisherRecord& r, bool inactiveList,
                  ListPeriod period) {
    switch (period) {
        case ListPeriod::SixMonths:
            return sidePeriodMonth(r, cls.stamp(), inactiveList, SidePeriod::SixMonths);
        case ListPeriod::ServiceYear:
            return sidePeriodMonth(r, cls.stamp(), inactiveList, SidePeriod::ServiceYear);
        case ListPeriod::TwelveMonths:
        case ListPeriod::TwentyFourMonths:
            return sidePeriodMonth(r, cls.stamp(), inactiveList, SidePeriod::TwelveMonths);
        case ListPeriod::MoreThanTwelve:
            return sidePeriodMonth(r, cls.stamp(), inactiveList, SidePeriod::MoreThanTwelve);
        case ListPeriod::All:
            return -1;  // everyone
    }
    return 0;
}

int statusMonth(const Classification& cls, const PublisherRecord& r, int mask, ListPeriod period) {
    switch (period) {
        case ListPeriod::SixMonths:
            return cls.StatusIn6Months(r, mask);
        case ListPeriod::ServiceYear:
            return cls.StatusInServiceYear(r, mask);
        case ListPeriod::TwelveMonths:
            return cls.StatusIn12Months(r, mask);
        default:
            return cls.StatusIn24Months(r, mask);
    }
}

int periodMonths(const Classification& cls, ListPeriod period) {
    switch (period) {
        case ListPeriod::SixMonths:
            return 6;
        case ListPeriod::ServiceYear:
            return cls.monthsElapsed();
        default:
            return 12;
    }
}

std::string monthYearText(int month, int year) {
    if (month < 1) return std::to_string(year);
    return text::monthName(month - 1) + " " + std::to_string(year);
}

}  // namespace

std::string_view listModeName(ListMode mode) {
    return kModeNames[static_cast<int>(mode)];
}

std::optional<ListMode> listModeByName(std::string_view name) {
    for (int i = 0; i < kListModes; ++i)
        if (kModeNames[i] == name) return static_cast<ListMode>(i);
    return std::nullopt;
}

std::vector<std::uint16_t> specialNeedsPresent(const CVelnoDoc& doc) {
    std::uint16_t held = 0;
    for (const std::uint16_t pos : doc.store().subList(ListActive))
        held |= doc.store().at(pos).moreBits;
    std::vector<std::uint16_t> out;
    for (const std::uint16_t bit : {MoreBit::Deaf, MoreBit::Blind, MoreBit::Isolated})
        if (held & bit) out.push_back(bit);
    return out;
}

bool customCategoryDefined(const CVelnoDoc& doc) {
    return doc.settings().customCategoryEnabled != 0 &&
           !trimmed(doc.settings().customCategoryName).empty();
}

std::vector<ListMode> availableListModes(const CVelnoDoc& doc) {
    std::vector<ListMode> out;
    for (int m = 0; m <= static_cast<int>(ListMode::NoConsent); ++m)
        out.push_back(static_cast<ListMode>(m));
    if (!specialNeedsPresent(doc).empty()) out.push_back(ListMode::SpecialNeeds);
    if (customCategoryDefined(doc)) out.push_back(ListMode::Custom);
    return out;
}

std::vector<ListPeriod> periodsOf(ListMode mode) {
    using P = ListPeriod;
    switch (mode) {
        case ListMode::New:
        case ListMode::Reactivated:
            return {P::SixMonths, P::ServiceYear, P::TwelveMonths, P::TwentyFourMonths};
        case ListMode::Inactive:
            return {P::SixMonths, P::ServiceYear, P::TwelveMonths, P::MoreThanTwelve, P::All};
        case ListMode::Moved:
        case ListMode::Auxiliary:
        case ListMode::Conductors:
            return {P::SixMonths, P::ServiceYear, P::TwelveMonths};
        default:
            return {};
    }
}

bool usesGroupFilter(ListMode mode) {
    switch (mode) {
        case ListMode::NotReporting:
        case ListMode::Irregular:
        case ListMode::Unbaptized:
        case ListMode::BibleStudents:
        case ListMode::Form:
        case ListMode::Consent:
        case ListMode::NoConsent:
        case ListMode::Custom:
            return true;
        default:
            return false;
    }
}

std::string listChooserText(const CVelnoDoc& doc, ListMode mode) {
    if (mode == ListMode::Custom)
        return text::cp1252ToUtf8(trimmed(doc.settings().customCategoryName));
    const std::string& t = text::tr(kChooserTexts[static_cast<int>(mode)]);
    if (mode == ListMode::NotReporting)
        return text::arg(t, text::monthName(doc.reportMonth().reportMonth0));
    return t;
}

PublisherList buildList(const CVelnoDoc& doc, const ListQuery& q) {
    const Classification cls(doc);
    const RecordStore& store = doc.store();
    PublisherList list;
    list.mode = q.mode;

    int kind = ListActive;
    if (q.mode == ListMode::Inactive) kind = ListInactive;
    if (q.mode == ListMode::Moved) kind = ListMoved;
    if (q.mode == ListMode::BibleStudents) kind = ListBibleStudent;
    // The period's question must be asked of a valid period of the mode.
    const auto periods = periodsOf(q.mode);
    const ListPeriod period = std::find(periods.begin(), periods.end(), q.period) != periods.end()
                                  ? q.period
                                  : ListPeriod::SixMonths;
    const int month0 = q.month0 >= 0 && q.month0 < 12 ? q.month0 : cls.month0();
    const bool datesNeeded = q.mode == ListMode::Privileges || q.mode == ListMode::Consent ||
                             q.mode == ListMode::NoConsent;
    const PrivilegeIndex privileges(doc, datesNeeded);

    for (const std::uint16_t pos : store.subList(kind)) {
        const PublisherRecord& r = store.at(pos);
        if (q.group > 0 && effectiveGroup(r) != q.group) continue;
        ListRow row;
        row.pos = pos;
        row.id = r.id;
        row.name = publisherName(doc, pos);
        row.group = effectiveGroup(r);
        std::string detailText;
        switch (q.mode) {
            case ListMode::NotReporting:
            case ListMode::Form:
                if (q.mode == ListMode::NotReporting && !cls.IsNotReporting(r, month0)) continue;
                row.contact = contactText(r);
                detailText = row.contact;
                break;
            case ListMode::Irregular: {
                const std::uint16_t mask = cls.IrregularMask(r);
                if (mask == 0) continue;
                for (int m = 0; m < 12; ++m) {
                    if (!(mask & (1u << m))) continue;
                    const bool remark = HasRemark(r, doc.remarks(), m, cls.recentParity(m));
                    row.missed.push_back({m, remark});
                    detailText += (detailText.empty() ? "" : " ") + text::monthShortName(m) +
                                  (remark ? "!" : "");
                }
                break;
            }
            case ListMode::New:
            case ListMode::Reactivated: {
                const int mask =
                    q.mode == ListMode::New ? StatusCode::New : StatusCode::Reactivated;
                row.month = statusMonth(cls, r, mask, period);
                if (row.month == 0) continue;
                row.year = r.markStamp ? yearOfStamp(r.markStamp)
                                       : yearOfStamp(cls.stamp()) - (row.month > cls.month0() + 1);
                detailText = monthYearText(row.month, row.year);
                break;
            }
            case ListMode::Inactive:
            case ListMode::Moved: {
                const int month = sideListMonth(cls, r, q.mode == ListMode::Inactive, period);
                if (month == 0) continue;
                row.month = r.statusMonth() <= 12 ? r.statusMonth() : 0;
                // A moved record keeps no year: its month lies within the
                // last twelve.
                row.year = q.mode == ListMode::Inactive || row.month == 0
                               ? yearFromByte(r.listYear)
                               : doc.reportMonth().recentYear(row.month - 1);
                detailText = monthYearText(row.month, row.year);
                break;
            }
            case ListMode::Baptized: {
                const auto years = cls.YearsSinceBaptism(r);
                const int b =
                    std::clamp(q.bracket, 0, static_cast<int>(kBaptizedListBrackets.size()) - 1);
                if (!years || !kBaptizedListBrackets[b].contains(*years)) continue;
                row.years = years;
                detailText = std::to_string(*years);
                break;
            }
            case ListMode::Auxiliary:
                row.months = cls.AuxiliaryMonths(r, periodMonths(cls, period));
                if (row.months == 0) continue;
                detailText = std::to_string(row.months);
                break;
            case ListMode::Conductors: {
                const int n = periodMonths(cls, period);
                for (int i = 0; i < n; ++i) {
                    const int studies =
                        r.studiesWord[slotOf(cls.stamp() - i)] & StudiesWord::StudiesMask;
                    if (studies == 0) continue;
                    ++row.months;
                    row.studies = std::max(row.studies, studies);
                }
                if (row.months == 0) continue;
                detailText = std::to_string(row.studies);
                break;
            }
            case ListMode::Unbaptized:
                if (Classification::IsBaptized(r)) continue;
                break;
            case ListMode::BibleStudents:
                // The conductor's name is kept in the first report area.
                row.detail = text::cp1252ToUtf8(trimmed(
                    fieldText(reinterpret_cast<const char*>(r.placements), sizeof r.placements)));
                detailText = row.detail;
                break;
            case ListMode::Privileges: {
                int privilegeKind = 0;
                bool holds = false;
                const int slot = monthSlot(cls.month0(), cls.parity());
                switch (q.privilege) {
                    case PrivilegeFilter::Servants:
                        holds = r.privilege() == PrivilegeServant;
                        privilegeKind = PrivilegeKind::Servant;
                        break;
                    case PrivilegeFilter::Elders:
                        holds = r.privilege() == PrivilegeElder;
                        privilegeKind = PrivilegeKind::Elder;
                        break;
                    case PrivilegeFilter::RegularPioneers:
                        holds = r.kindAt(slot) == ServiceRegular;
                        privilegeKind = PrivilegeKind::RegularPioneer;
                        break;
                    case PrivilegeFilter::ContinuousAuxiliary:
                        holds = (r.flags & RecordFlag::ContinuousAuxiliary) != 0;
                        privilegeKind = PrivilegeKind::ContinuousAuxiliary;
                        break;
                    case PrivilegeFilter::SpecialPioneers:
                        holds = r.kindAt(slot) == ServiceSpecial;
                        privilegeKind = PrivilegeKind::SpecialPioneer;
                        break;
                    case PrivilegeFilter::SpecialServants:
                        holds = (r.categoryBits & CategoryBit::SpecialServant) != 0;
                        break;
                    case PrivilegeFilter::Missionaries:
                        holds = (r.categoryBits & CategoryBit::Missionary) != 0;
                        break;
                }
                if (!holds) continue;
                if (privilegeKind)
                    if (const auto* e = privileges.find(r.id, privilegeKind))
                        row.detail = exchangeDate(e->start);
                detailText = row.detail;
                break;
            }
            case ListMode::Consent:
            case ListMode::NoConsent: {
                const auto* e = privileges.find(r.id, PrivilegeKind::Consent);
                if ((e != nullptr) != (q.mode == ListMode::Consent)) continue;
                if (e) row.detail = exchangeDate(e->start);
                detailText = row.detail;
                break;
            }
            case ListMode::SpecialNeeds:
                if (!(r.moreBits & q.need & kNeedBits)) continue;
                break;
            case ListMode::Custom:
                if (!(r.flags & RecordFlag::CustomCategory)) continue;
                break;
        }
        // The whole congregation shows each publisher's group after his name.
        const bool withGroup =
            q.group == 0 && (q.mode == ListMode::NotReporting || q.mode == ListMode::Form ||
                             q.mode == ListMode::Consent || q.mode == ListMode::NoConsent);
        row.text =
            withGroup ? text::formatPrintf("%s  (%d)", row.name.c_str(), row.group) : row.name;
        if (!detailText.empty() || withGroup || q.mode == ListMode::NotReporting ||
            q.mode == ListMode::Form)
            row.text += "\t" + detailText;
        list.rows.push_back(std::move(row));
    }
    list.title = text::formatPrintf("%s ( %d )", listChooserText(doc, q.mode).c_str(),
                                    static_cast<int>(list.rows.size()));
    return list;
}

}  // namespace velno
