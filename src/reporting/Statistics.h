#pragma once
// Every number of the statistics page ("Statistik"), for the page drawing
// to lay out. Texts are UTF-8.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace velno {

class CVelnoDoc;
class Classification;
struct PublisherRecord;

struct StatisticsCount {
    int count = 0;
    double share = 0;  // percent of the active publishers, 0 without any
};

struct StatisticsMovement {
    std::string label;
    int month = 0;        // the ReportMonth
    int sixMonths = 0;    // the last six months
    int serviceYear = 0;  // the service year so far
};

struct StatisticsHours {
    std::string label;  // "( Pnyr )", "( PB )", "( PE )"
    int kind = 0;
    double month = 0;        // quick-view average of the ReportMonth
    double sixMonths = 0;    // CategoryAverage over six months
    double serviceYear = 0;  // CategoryAverage over the service year so far
};

struct StatisticsAttendance {
    std::string name;
    int month = 0;  // the month's stored average
    int threeMonths = 0;
    int sixMonths = 0;
    int serviceYear = 0;
};

struct StatisticsBracket {
    std::string label;
    StatisticsCount value;
};

struct StatisticsPage {
    std::string title;
    int active = 0;
    StatisticsCount regular;
    StatisticsCount baptized;
    int regularPioneers = 0;
    int elders = 0;
    int servants = 0;
    int specialPioneers = 0;                   // printed only when there is one
    std::array<std::string, 3> movementHeads;  // short month name, "6bln", "ThnDns"
    std::vector<StatisticsMovement> movement;
    std::vector<StatisticsHours> hours;  // the publishers' line only in old-form months
    int serviceYearMonths = 0;
    std::vector<StatisticsAttendance> attendance;
    bool bracketsEnabled = false;
    std::array<StatisticsBracket, 7> baptism;
    std::array<StatisticsBracket, 7> age;
    int withoutBirthDate = 0;  // counted apart, not printed
};

// Brackets of the page: "Belum Terbaptis", "Kurang Setahun", "1 - 4 Thn",
// ..., "Di Atas 30 Thn "; and by age "Di Bawah 20" ... "Di Atas 70".
// Index into StatisticsPage::baptism and ::age; nothing for a missing date.
int BaptismBracket(const Classification& cls, const PublisherRecord& r);
std::optional<int> AgeBracket(const Classification& cls, const PublisherRecord& r);

StatisticsPage statisticsPage(const CVelnoDoc& doc);

}  // namespace velno
