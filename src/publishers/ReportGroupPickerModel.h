#pragma once
// The group picker of the per-group reports (dialog 122 "Pilih Kelompok
// Dinas Lapangan"): the groups in use by their display texts, and two
// print buttons, one for every group and one for the chosen group.

#include <string>
#include <vector>

namespace velno {

class CVelnoDoc;

class ReportGroupPickerModel {
public:
    // `preselected`: 1-based; out of range selects the first group.
    ReportGroupPickerModel(const CVelnoDoc& doc, int preselected, bool forPrinting);

    // Texts, UTF-8.
    std::string title() const;
    const std::vector<std::string>& rows() const { return rows_; }
    int selectedRow() const { return row_; }  // -1 when there are no groups
    void select(int row);
    // The chosen group, 1-based; 0 when there is none.
    int group() const { return row_ + 1; }

    // Nothing to choose without groups.
    bool okVisible() const { return !rows_.empty(); }
    bool printButtonsVisible() const { return forPrinting_ && !rows_.empty(); }
    std::string printAllText() const;  // "Cetak 1 - 6"
    std::string printOneText() const;  // "Cetak # 3"
    std::string okText() const;
    std::string cancelText() const;

    enum class Choice { Cancelled, Show, PrintOne, PrintAll };

private:
    std::vector<std::string> rows_;
    int row_ = -1;
    bool forPrinting_;
};

}  // namespace velno
