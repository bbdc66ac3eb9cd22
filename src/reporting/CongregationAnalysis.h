#pragma once
// The numbers of the congregation and group analysis pages and of the
// congregation summary: one row per publisher with his marks, the category
// table, the special servants and missionaries, and the closing lines. The
// page drawing only lays them out. Texts are UTF-8.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;

enum class AnalysisOrder { AtoZ, PioneersGroups };

struct AnalysisRow {
    int pos = 0;
    PublisherId id = 0;
    std::string name;
    int kind = 0;  // service kind in the ReportMonth
    bool reported = false;
    bool notBaptized = false;
    bool missionary = false;
    bool specialServant = false;
    bool irregular = false;
    bool auxiliary = false;
    int studies = 0;
    std::optional<int> hours;  // pioneers only
    // "§", "PB", "PI", "m", "+", "#", "t3" in this order, those that apply.
    std::vector<std::string> marks;
};

struct AnalysisSection {
    enum Kind { All, Pioneers, Group, NoGroup };
    Kind kind = All;
    int group = 0;        // with Group
    std::string heading;  // empty for All
    std::vector<AnalysisRow> rows;
};

struct CategoryTableRow {
    int category = 0;   // 0 publishers, 1 auxiliary, 2 regular, 3 special pioneers
    std::string label;  // "Pnyr", "PE", "PB", "Perintis Istimewa"
    int reporting = 0;
    double averageStudies = 0;
    std::optional<double> averageHours;  // categories 1..3
    std::optional<double> average3;      // CategoryAverage of hours, 3 months
    std::optional<double> average6;      // and 6 months
};

struct ClosingLine {
    std::string symbol;  // "", "PE", "t3", "#", "§"
    std::string label;
    int count = 0;
    std::optional<double> share;  // percent of the listed publishers
};

struct CategoryCounts {
    int onFile = 0;
    int notReported = 0;
    int irregular = 0;
    int studies = 0;
    int hours = 0;
    int specialReported = 0;  // special servants and missionaries who reported
};

struct AnalysisData {
    std::string title;
    std::string overseerLine;               // group pages: the group's overseer
    std::vector<AnalysisSection> sections;  // no rows on the summary
    std::array<CategoryCounts, 4> categories{};
    std::vector<CategoryTableRow> categoryTable;
    int specialServantsReported = 0;
    int missionariesReported = 0;
    // "Special servants (+)" and "Missionaries (m)" with their numbers, each
    // only when any of them reported.
    std::vector<ClosingLine> reportedApart;
    int listed = 0;
    int auxiliary = 0;
    int irregular = 0;
    int notReported = 0;
    int notBaptized = 0;
    std::vector<ClosingLine> closing;
};

// group 0: the whole congregation; summary: the summary page (no rows).
AnalysisData congregationAnalysis(const CVelnoDoc& doc, int group, AnalysisOrder order,
                                  bool summary = false);

}  // namespace velno
