#pragma once
// Labels for the record-card folders (report kind 30): one label a
// publisher with his name, his group and, when the settings ask for it,
// his birth date, on a sheet of self-adhesive labels. The sheet's columns,
// rows and margins are kept in the settings so that another sheet can be
// used; printing may start at any free label of a partly used sheet.

#include <string>
#include <vector>

#include "print/ReportContext.h"

namespace velno {
class ProfileFile;
}

namespace velno::print {

// A common A4 sheet of 3 x 8 labels; margins in hundredths of an inch.
struct LabelSheet {
    int columns = 3;
    int rows = 8;
    int leftMargin = 20;
    int topMargin = 20;

    int labels() const { return columns * rows; }
};
constexpr int kMaxLabelColumns = 6;
constexpr int kMaxLabelRows = 20;
constexpr int kMaxLabelMargin = 200;

// Section "Label": "Kolom", "Baris", "Margin Kiri", "Margin Atas"; values
// out of range are clamped.
LabelSheet readLabelSheet(const ProfileFile& profile);
void writeLabelSheet(ProfileFile& profile, const LabelSheet& sheet);

struct LabelText {
    std::string name, group, birth;  // UTF-8; empty lines are not printed
};
// The labels of the publishers at these store positions, in that order.
std::vector<LabelText> labelTexts(const CVelnoDoc& doc, const std::vector<int>& positions);

// What kind 30 prints: the chosen publishers (every active one when none
// are given) from label `firstLabel` (1 = top left, row by row).
struct LabelJob {
    std::vector<int> positions;
    int firstLabel = 1;
};
void setLabelsToPrint(LabelJob job);
const LabelJob& labelsToPrint();
int drawCardLabels(ReportContext& ctx);

// Dialog 127 "Tentukan Label Pembuka": the first free label of the sheet,
// and the sheet itself.
class FirstLabelModel {
public:
    explicit FirstLabelModel(const ProfileFile& profile) : sheet_(readLabelSheet(profile)) {}

    const LabelSheet& sheet() const { return sheet_; }
    void setColumns(int columns);
    void setRows(int rows);
    void setLeftMargin(int hundredths);
    void setTopMargin(int hundredths);
    // 1 .. labels on the sheet; a smaller sheet moves it back onto it.
    int firstLabel() const { return first_; }
    void setFirstLabel(int label);
    // Row and column (1-based) of the first label, for the dialog to show.
    int firstRow() const { return (first_ - 1) / sheet_.columns + 1; }
    int firstColumn() const { return (first_ - 1) % sheet_.columns + 1; }

    // OK: the sheet goes into the settings.
    void accept(ProfileFile& profile) const { writeLabelSheet(profile, sheet_); }

private:
    LabelSheet sheet_;
    int first_ = 1;
};

}  // namespace velno::print
