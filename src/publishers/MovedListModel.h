#pragma once
// The moved list (dialog 112 "Pindah"): the records that moved away beside
// the active publishers without a report for the ReportMonth (or, with
// "Tidak aktif" checked, the inactive records), with moving away, undoing
// a move and deleting a moved record for good.

#include <optional>
#include <string>
#include <vector>

#include "publishers/MonthChoiceModel.h"
#include "publishers/SideListModel.h"

namespace velno {

class CVelnoDoc;

class MovedListModel : public TwoListSelection {
public:
    static constexpr SidePeriod kFilters[] = {SidePeriod::SixMonths, SidePeriod::ServiceYear,
                                              SidePeriod::TwelveMonths};

    explicit MovedListModel(CVelnoDoc& doc);

    // Texts, UTF-8.
    std::string title() const;
    std::string leftGroupText() const;
    std::string rightGroupText() const;
    std::string inactiveSourceText() const;
    std::string actionText() const;
    std::string undoText() const;
    std::string filterText() const;
    std::string doneText() const;

    bool inactiveSource() const { return inactiveSource_; }
    void setInactiveSource(bool on);
    // "Batal Pindah" acts on the left list only.
    bool undoVisible() const { return side_ == SideListSide::Left; }

    void useSide(SideListSide side) { side_ = side; }
    std::string nameLine() const;

    int filter() const { return filter_; }
    void nextFilter();

    // Right list in use: the month question of the move, or nothing when
    // nothing is selected or the moved list is full (refused silently).
    std::optional<MonthChoiceModel> moveQuestion() const;
    bool moveSelected(const MonthChoice& choice);

    // Left list in use: the action button deletes for good after this
    // question.
    std::string confirmDeleteText() const;
    bool deleteSelected();

    // "Batal Pindah": this question first; on OK a record that came from
    // the inactive list returns there without a month question, any other
    // is asked the month with "Penyiar Reguler".
    std::string confirmUndoText() const;
    bool undoNeedsMonth() const;
    MonthChoiceModel undoQuestion() const;
    bool undoSelected(const MonthChoice& choice);

    void rebuild();

private:
    CVelnoDoc& doc_;
    bool inactiveSource_ = false;
    int filter_ = 2;  // "12 Bulan Terakhir"
};

}  // namespace velno
