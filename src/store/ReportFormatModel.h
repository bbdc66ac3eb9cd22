#pragma once
// The report-format dialog (dialog 123 "Pilihan Format", command 32804):
// label, report and list options of the settings and the view options of
// the data folder.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velno {

class CVelnoDoc;

class ReportFormatModel {
public:
    // The check boxes, in the dialog's order.
    enum Check {
        FamilyNameFirst,   // view option byte 0
        IncludeDates,      // view option byte 6
        AlternativeDate,   // view option byte 5
        LabelBirthDate,    // "Label"/"Tanggal lahir"
        LabelAlternative,  // "Label"/"Label Alternatif"
        Grid,              // "Laporan"/"TampilkanGrid"
        IncompleteBoxes,   // "Laporan"/"Tidak Ada Laporan"
        DateStamp,         // "Laporan"/"Datestamp"
        EmergencySY,       // "Laporan"/"EmergJw"
        kCheckCount
    };
    enum Margin { TopMargin, LabelMargin, kMarginCount };
    static constexpr int kMarginRows = 100;  // "00" .. "99"
    static constexpr std::size_t kCongregationNameLength = 25;

    explicit ReportFormatModel(const CVelnoDoc& doc);

    std::string title() const;  // texts are UTF-8
    std::string checkText(Check check) const;
    bool isChecked(Check check) const { return checks_[check]; }
    bool isVisible(Check check) const;
    // Checking the alternative label also checks the birth date on labels;
    // clearing the birth date clears the alternative label.
    void setChecked(Check check, bool on);

    std::string marginCaption(Margin margin) const;
    const std::vector<std::string>& marginRows() const { return rows_; }
    // The lists open scrolled to the current value, nothing selected.
    int firstVisibleRow(Margin margin) const { return lists_[margin].firstVisible; }
    std::optional<int> selectedRow(Margin margin) const { return lists_[margin].selected; }
    void scrollMargin(Margin margin, int firstVisible);
    void selectMargin(Margin margin, int row);
    // The value OK stores: the entry the user picked, else the first visible
    // one; a list left alone keeps the stored value.
    int marginValue(Margin margin) const;

    std::string congregationNameCaption() const;
    const std::string& congregationName() const { return name_; }
    // At most 25 characters; false (text unchanged) for a character the
    // data files cannot hold.
    bool setCongregationName(std::string_view text);

    // Stores every value. When anything differs from before, the document
    // is marked modified and true is returned: the report view is redrawn.
    bool ok(CVelnoDoc& doc) const;

private:
    struct List {
        int stored = 0;
        int firstVisible = 0;
        std::optional<int> selected;
        bool touched = false;
    };
    std::array<bool, kCheckCount> checks_{};
    std::array<List, kMarginCount> lists_;
    std::vector<std::string> rows_;
    std::string name_;  // UTF-8
};

}  // namespace velno
