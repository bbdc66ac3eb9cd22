#pragma once
// The numbers of a publisher record card: the header facts and, per
// service year (or span of months), one row per month with its total and
// average rows. Computed once here; the printed card and the command line
// only lay them out. Texts are UTF-8.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "store/Settings.h"

namespace velno {

class CVelnoDoc;

// The card preferences of the settings; years are 0 (current) and 1
// (previous).
struct CardOptions {
    std::array<bool, 2> hideAverages{};
    std::array<bool, 2> hideTotals{};
    bool showGroup = false;
    bool onePerPage = false;
    bool hideBirth = false;

    static CardOptions fromSettings(const Settings& settings);
    // Writes the options back; returns whether any value changed.
    bool storeInto(Settings& settings) const;
    // The four hide options as the "HideAvg" bit set.
    int hideBits() const;
};

enum class CardSpan { ServiceYear, SixMonths, TwelveMonths, TwentyFourMonths };
enum class CardForm { New, Old };

struct CardRequest {
    CardSpan span = CardSpan::ServiceYear;
    // The viewer's "Previous service year": every table one year earlier.
    bool previous = false;
    CardOptions options;
};

// The check boxes of the header, in the order they are drawn.
enum CardBox {
    BoxMale,
    BoxFemale,
    BoxOtherSheep,
    BoxAnointed,
    BoxElder,
    BoxServant,
    BoxRegularPioneer,
    BoxSpecialPioneer,
    BoxMissionary,
    kCardBoxes
};

struct CardHeader {
    std::string name;
    std::string birth;    // "" when not set
    std::string baptism;  // "" when not set
    std::string group;    // "" for none (or when not shown)
    std::array<bool, kCardBoxes> boxes{};
};

struct CardRow {
    int month0 = 0;
    int year = 0;
    // Nothing to show: a month not yet collected or outside the months held.
    bool blank = true;
    // New form. On a summary card `shared` and `aux` are counts.
    bool shared = false;
    std::optional<int> studies;  // blank when 0
    bool aux = false;
    std::optional<int> hours;  // not printed for this month
    int sharedCount = 0, auxCount = 0;
    // Old form: placements, videos, hours, return visits, studies as
    // printed ("" for 0); hours with their quarter-hour mark.
    std::array<std::string, 5> items;
    std::string remark;
};

struct CardTable {
    int serviceYear = 0;  // named after the year it ends in
    CardForm form = CardForm::New;
    std::vector<CardRow> rows;
    // New form: the single "Total" cell(s). Index by column (shared,
    // studies, aux, hours); only hours on a publisher's card.
    std::array<std::string, 4> newTotals;
    // Old form: per column, "" when hidden.
    std::array<std::string, 5> totals;
    std::array<std::string, 5> averages;
};

struct RecordCard {
    bool summary = false;
    CardSpan span = CardSpan::ServiceYear;
    CardHeader header;
    std::vector<CardTable> tables;  // current first
};

// The service year that the ReportMonth lies in (September starts the next).
int currentServiceYear(const CVelnoDoc& doc);
// Reports of service years from 2024 on use the new form.
constexpr CardForm formOfServiceYear(int serviceYear) {
    return serviceYear >= 2024 ? CardForm::New : CardForm::Old;
}
// "7 Desember 1980", or "1980" alone when the month and day are hidden.
std::string cardDate(const char* dateText, bool yearOnly);

// The card of the record at store position `pos`.
RecordCard buildRecordCard(const CVelnoDoc& doc, int pos, const CardRequest& request);
// The summary card over every active (or inactive) publisher.
RecordCard buildSummaryCard(const CVelnoDoc& doc, bool inactive, const CardRequest& request);

}  // namespace velno
