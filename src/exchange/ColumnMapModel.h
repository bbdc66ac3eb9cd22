#pragma once
// The column map (dialog 155): which column of the report file feeds each
// target field, remembered in "vnmap.dat" where the same header text stands
// at the same column next time.

#include <string>
#include <vector>

#include "exchange/ColumnMapFile.h"
#include "store/DataFolder.h"

namespace velno {

class CVelnoDoc;

enum class CsvNameMode { Separate, FirstLast, LastFirst };

class ColumnMapModel {
public:
    // header: the file's header fields (Windows-1252); saved: the map read
    // from "vnmap.dat", if any.
    ColumnMapModel(std::vector<std::string> header, const ColumnMap* saved);

    // ---- texts (UTF-8) ---------------------------------------------------
    std::vector<std::string> targetLines() const;  // 1116
    std::vector<std::string> sourceLines() const;  // 1114
    std::string ruleText() const;                  // 1131
    std::string hintText() const;                  // 1118 / 1119, else empty
    static std::string targetLabel(int target, bool rule);

    // ---- state -----------------------------------------------------------
    int selectedTarget() const { return target_; }
    // The selected target's column, -1 when none.
    int selectedColumn() const;
    int columnOf(int target) const { return map_.column[static_cast<std::size_t>(target)]; }
    bool rule() const { return map_.rule; }
    bool isComplete() const;  // "Continue" shown
    CsvNameMode nameMode() const;
    const ColumnMap& map() const { return map_; }

    // ---- actions ---------------------------------------------------------
    void selectTarget(int target);  // -1: none
    // Gives the column to the selected target and takes it from any other.
    void selectColumn(int column);
    // Assigns a column to a target directly (the command line's --map).
    bool assign(int target, int column);
    void setRule(bool on);
    void clear();
    // "Continue": writes "vnmap.dat" (all 840 bytes).
    FileResult save(CVelnoDoc& doc) const;

private:
    std::vector<std::string> header_;
    ColumnMap map_;
    int target_ = -1;
};

}  // namespace velno
