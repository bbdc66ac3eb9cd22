#pragma once
// The quick view of the congregation (dialog 119 "Tinjauan Cepat") and the
// figures the statistics page takes from it.

#include <optional>
#include <string>
#include <vector>

namespace velno {

class CVelnoDoc;

struct QuickViewPeriod {
    int auxiliary = 0;  // auxiliary pioneers in at least one month of the period
    int newPublishers = 0;
    int reactivated = 0;
    int inactive = 0;  // entries of the inactive list that left in the period
    int moved = 0;
};

struct QuickView {
    int active = 0;
    int regular = 0;
    int baptized = 0;
    int regularPioneers = 0;  // of the ReportMonth
    int specialPioneers = 0;  // of the ReportMonth
    int elders = 0;
    int servants = 0;
    // The box of the ReportMonth.
    int monthAuxiliary = 0;
    // Blank for months of the new report form, where publishers report no
    // hours.
    std::optional<double> avgHoursPublishers;
    double avgHoursRegular = 0;
    double avgHoursAuxiliary = 0;
    QuickViewPeriod serviceYear;
    QuickViewPeriod sixMonths;
    std::optional<std::string> customCategoryName;  // UTF-8, when one is enabled
    int customCategory = 0;
    int deaf = 0;
    int blind = 0;
    int isolated = 0;
};

// With fewer than two active publishers every figure but the number of
// active publishers is 0.
QuickView computeQuickView(const CVelnoDoc& doc);

// The dialog's texts: one line per figure, grouped in the dialog's boxes.
class QuickViewModel {
public:
    enum class Box { Congregation, Month, ServiceYear, SixMonths, Categories };
    struct Line {
        Box box;
        std::string label;
        std::string value;
    };

    explicit QuickViewModel(const CVelnoDoc& doc);

    const QuickView& figures() const { return q_; }
    std::string title() const;
    // Box captions: the ReportMonth's name, "Tahun Dinas Ini", "Enam Bulan Terakhir".
    std::string boxCaption(Box box) const;
    const std::vector<Line>& lines() const { return lines_; }

private:
    QuickView q_;
    int month0_ = 0;
    std::vector<Line> lines_;
};

}  // namespace velno
