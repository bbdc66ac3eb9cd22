#pragma once
// The numbers of the trend pages, computed once for the page drawing to lay
// out: three/six-month averages, regular-pioneer hours, service-year totals
// and the twelve-month hours pages. Every text is UTF-8.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "reporting/PublisherSelection.h"
#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;
class Classification;

// ---- "Rata2 Tiga/Enam Bulan" --------------------------------------------------

struct AverageRow {
    int pos = 0;
    PublisherId id = 0;
    std::string name;
    int kind = 0;  // service kind in the ReportMonth
    int reported3 = 0, reported6 = 0;
    double studies3 = 0, studies6 = 0;
    int aux3 = 0, aux6 = 0;
    double hours3 = 0, hours6 = 0;
    // The page's texts: "%d / %d", "%6.1f/%4.1f", "%d / %d" (blank when no
    // auxiliary month in six), "%6.1f/%4.1f".
    std::string reportedText, studiesText, auxText, hoursText;
};

// Closing averages by the service kind of the ReportMonth.
struct AverageKindTotal {
    int rows = 0;
    double studies3 = 0, studies6 = 0, hours3 = 0, hours6 = 0;  // sums of the rows
    double averageStudies3() const { return rows ? studies3 / rows : 0.0; }
    double averageStudies6() const { return rows ? studies6 / rows : 0.0; }
    double averageHours3() const { return rows ? hours3 / rows : 0.0; }
    double averageHours6() const { return rows ? hours6 / rows : 0.0; }
};

struct AveragesPage {
    std::string title;
    std::string subtitle;
    std::vector<AverageRow> rows;
    std::array<AverageKindTotal, 4> byKind{};
};

AverageRow averageRow(const CVelnoDoc& doc, const Classification& cls, int pos);
AveragesPage averagesPage(const CVelnoDoc& doc, const PublisherSelection& selection);

// ---- "Jam Perintis" -------------------------------------------------------------

// First month (month0) of the unbroken run of regular-pioneer months that
// ends in the ReportMonth, not before September.
int pioneerStartMonth(const Classification& cls, const PublisherRecord& r);
// Monthly hour goal of the service year of the ReportMonth: 70 up to
// service year 2022, 50 from 2023.
int pioneerMonthlyGoal(const Classification& cls);
// Months of the service year from a start month0 on.
constexpr int monthsEnrolledFrom(int startMonth0) {
    return startMonth0 < 8 ? 8 - startMonth0 : 20 - startMonth0;
}

struct PioneerHoursRow {
    int pos = 0;
    PublisherId id = 0;
    std::string name;  // followed by " *" when enrolled after September
    int startMonth0 = 8;
    bool lateStart = false;
    int enrolledMonths = 0;
    int elapsedMonths = 0;
    int hours = 0;
    int credit = 0;
    int total = 0;
    double average = 0;
    int remaining = 0;
    std::optional<double> perMonth;  // none when the ReportMonth is August
};

struct PioneerHoursPage {
    std::string title;
    std::string subtitle;
    int goal = 0;
    bool showsPerMonth = true;  // not in August, when no month remains
    std::vector<PioneerHoursRow> rows;
    std::string footnote;  // when any row started after September
};

PioneerHoursRow pioneerHoursRow(const CVelnoDoc& doc, const Classification& cls, int pos);
PioneerHoursPage pioneerHoursPage(const CVelnoDoc& doc);

// ---- "Total Tahun Dinas" --------------------------------------------------------

struct ServiceYearTotalsRow {
    int pos = 0;  // 0 for the total row
    PublisherId id = 0;
    std::string name;
    int reportedMonths = 0;
    int studies = 0;
    int auxiliaryMonths = 0;
    int rawHours = 0;  // without quarter hours
    int quarters = 0;  // every quarter hour of the months
    int hours = 0;     // with the carried quarter hours
    std::string hoursText;
};

struct ServiceYearTotalsPage {
    std::string title;
    std::string subtitle;
    int months = 0;  // months of the service year so far
    std::vector<ServiceYearTotalsRow> rows;
    ServiceYearTotalsRow total;
};

// selection: Congregation, RegularPioneers or Appointed.
ServiceYearTotalsPage serviceYearTotalsPage(const CVelnoDoc& doc,
                                            const PublisherSelection& selection);

// ---- "Laporan Jam" ---------------------------------------------------------------

struct HoursCell {
    enum Kind { Blank, Hours, Tick };
    Kind kind = Blank;
    int hours = 0;
    int quarters = 0;
    std::string text;  // hours with their fraction; empty for a tick
};

struct HoursRow {
    int pos = 0;
    PublisherId id = 0;
    std::string name;
    std::array<HoursCell, 12> cells;  // oldest month first
    double average = 0;
    std::string averageText;  // "%3.1f"
};

struct HoursPage {
    std::string title;
    std::string subtitle;
    std::array<int, 12> stamps{};  // the months of the columns, oldest first
    std::vector<HoursRow> rows;
};

// selection: any; the regular-pioneer and auxiliary pages fill a cell only
// in months of that pioneer kind.
HoursPage hoursPage(const CVelnoDoc& doc, const PublisherSelection& selection);

}  // namespace velno
