#pragma once
// The name map (dialog 156): each data row's name matched to a publisher of
// the normal list; names that match nobody are assigned by hand, and the
// assignments are remembered in "tpmap.dat".

#include <cstdint>
#include <string>
#include <vector>

#include "exchange/ColumnMapModel.h"
#include "exchange/CsvFile.h"
#include "exchange/NameMapFile.h"

namespace velno {

class CVelnoDoc;

// One data row: its name (Windows-1252, at most 59 bytes, empty when the
// row carries none), the publisher found for it (0 = none), its number.
struct CsvRowEntry {
    std::string name;
    std::uint16_t id = 0;
    int row = 0;
};

namespace csv {
constexpr std::size_t kMaxName = 59;
}

// The row's name in the map's name mode; empty when it has none.
std::string csvRowName(const CsvRow& row, const ColumnMap& map, CsvNameMode mode, bool familyFirst);

class NameMapModel {
public:
    NameMapModel(const CVelnoDoc& doc, const CsvTable& table, const ColumnMap& map,
                 CsvNameMode mode, std::vector<NameMapEntry> saved);

    struct Unidentified {
        std::string name;  // Windows-1252
        std::uint16_t id = 0;
    };
    struct Publisher {
        std::string name;  // display name, Windows-1252
        std::uint16_t id = 0;
    };

    // ---- texts (UTF-8) ---------------------------------------------------
    std::string title() const;                    // 1475
    std::vector<std::string> leftLines() const;   // 1120
    std::vector<std::string> rightLines() const;  // 201
    std::string selectedLeftText() const;
    std::string selectedRightText() const;
    std::string arrowText() const;  // "->" or "X"

    // ---- state -----------------------------------------------------------
    const std::vector<CsvRowEntry>& rows() const { return rows_; }
    const std::vector<Unidentified>& unidentified() const { return left_; }
    const std::vector<Publisher>& publishers() const { return right_; }
    int unassignedCount() const;
    bool skipUnidentified() const { return skip_; }
    bool isSkipVisible() const { return unassignedCount() > 0; }
    bool isContinueVisible() const { return unassignedCount() == 0 || skip_; }
    bool isArrowEnabled() const { return leftSelected_ >= 0 && rightSelected_ >= 0; }

    // ---- actions ---------------------------------------------------------
    void selectLeft(int line);   // -1: none
    void selectRight(int line);  // -1: none
    // "->" assigns the selected publisher to the selected name (and takes
    // it from any other name); "X" removes that assignment.
    void pressArrow();
    // Assigns by value (the command line's --assign); false when the name
    // is not unidentified or the id is not offered.
    bool assign(const std::string& name, std::uint16_t id);
    void setSkipUnidentified(bool on) { skip_ = on; }
    void clear();
    // "Continue": the assigned names' rows take their publisher, and
    // "tpmap.dat" holds exactly the current assignments.
    FileResult finish(CVelnoDoc& doc);

private:
    void build();
    void assignIndexes(int left, int right);

    const CVelnoDoc& doc_;
    const CsvTable& table_;
    ColumnMap map_;
    CsvNameMode mode_;
    bool familyFirst_;
    std::vector<NameMapEntry> saved_;
    std::vector<CsvRowEntry> rows_;
    std::vector<Unidentified> left_;
    std::vector<Publisher> right_;
    int leftSelected_ = -1;
    int rightSelected_ = -1;
    bool skip_ = false;
};

}  // namespace velno
