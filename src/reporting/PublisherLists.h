#pragma once
// The lists of the list viewer (modes 0-16): who has not reported, who is
// irregular, new, reactivated, inactive, moved, baptized when, auxiliary
// pioneers, conductors, unbaptized, Bible students, the report form,
// privileges, consent, special needs and the custom category. Rows are in the store's name order;
// texts UTF-8.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;

enum class ListMode {
    NotReporting = 0,
    Irregular = 1,
    New = 2,
    Reactivated = 3,
    Inactive = 4,
    Moved = 5,
    Baptized = 6,
    Auxiliary = 7,
    Conductors = 8,
    Unbaptized = 9,
    BibleStudents = 10,
    Form = 11,
    Privileges = 12,
    Consent = 13,
    NoConsent = 14,
    SpecialNeeds = 15,
    Custom = 16,
};
constexpr int kListModes = 17;

enum class ListPeriod {
    SixMonths,
    ServiceYear,
    TwelveMonths,
    TwentyFourMonths,
    MoreThanTwelve,
    All
};

// The privilege kinds of the privileges list, in the order of its filter.
enum class PrivilegeFilter {
    Servants,
    Elders,
    RegularPioneers,
    ContinuousAuxiliary,
    SpecialPioneers,
    SpecialServants,
    Missionaries,
};

struct ListQuery {
    ListMode mode = ListMode::NotReporting;
    int group = 0;    // 0: the whole congregation
    int month0 = -1;  // NotReporting: -1 is the ReportMonth
    ListPeriod period = ListPeriod::SixMonths;
    int bracket = 0;  // Baptized: index into kBaptizedListBrackets
    PrivilegeFilter privilege = PrivilegeFilter::Servants;
    std::uint16_t need = MoreBit::Deaf;  // SpecialNeeds: one bit of `moreBits`
};

struct MissedMonth {
    int month0 = 0;
    bool remark = false;
};

struct ListRow {
    int pos = 0;
    PublisherId id = 0;
    std::string name;
    int group = 0;
    std::string contact;              // NotReporting, Form: telephone numbers
    std::vector<MissedMonth> missed;  // Irregular: in calendar order
    int month = 0;                    // New .. Moved: month 1..12, 0 when unknown
    int year = 0;                     // New .. Moved
    std::optional<int> years;         // Baptized
    int months = 0;                   // Auxiliary, Conductors: months of the period
    int studies = 0;                  // Conductors: most studies in a month
    std::string detail;               // Bible students: conductor; Privileges, consent: date
    std::string text;                 // the row as the viewer shows it, tab-separated
};

struct PublisherList {
    ListMode mode = ListMode::NotReporting;
    std::string title;  // "%s ( %d )" with the chooser text and the row count
    std::vector<ListRow> rows;
};

// The special-needs categories some active publisher has, in filter
// order (deaf, blind, isolated); the list of mode 15 exists only with one.
std::vector<std::uint16_t> specialNeedsPresent(const CVelnoDoc& doc);
// The custom category is in use and has a name: mode 16 exists.
bool customCategoryDefined(const CVelnoDoc& doc);
// The modes the chooser offers, in its order.
std::vector<ListMode> availableListModes(const CVelnoDoc& doc);

// Which periods a mode offers (empty: none).
std::vector<ListPeriod> periodsOf(ListMode mode);
bool usesGroupFilter(ListMode mode);

PublisherList buildList(const CVelnoDoc& doc, const ListQuery& query);

// The chooser entry of a mode (the first mode's carries the ReportMonth).
std::string listChooserText(const CVelnoDoc& doc, ListMode mode);
// Names used by velno-cli: "notreporting", "irregular", ...
std::string_view listModeName(ListMode mode);
std::optional<ListMode> listModeByName(std::string_view name);

}  // namespace velno
