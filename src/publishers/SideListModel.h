#pragma once
// The inactive and deleted lists (dialog 114): in inactive mode the
// inactive records beside the active publishers who have not reported for
// six months, with the moves between them; in deleted mode the deleted
// records with restoring and permanent deletion.

#include <optional>
#include <string>
#include <vector>

#include "publishers/MonthChoiceModel.h"
#include "store/PublisherRecord.h"
#include "store/SideListPeriod.h"

namespace velno {

class CVelnoDoc;

enum class SideListMode { Inactive, Deleted };
enum class SideListSide { Left, Right };

struct SideListRow {
    int pos = 0;
    PublisherId id = 0;
    std::string text;  // UTF-8; the name, a tab and the date
};

// Active publishers without a report in any of the six months ending with
// the ReportMonth, in the store's order.
std::vector<SideListRow> sixMonthsWithoutReport(const CVelnoDoc& doc);

// The two lists of a side-list dialog: their rows, which one is in use and
// the line selected in each.
class TwoListSelection {
public:
    const std::vector<SideListRow>& leftRows() const { return left_; }
    const std::vector<SideListRow>& rightRows() const { return right_; }
    SideListSide side() const { return side_; }
    int leftRow() const { return leftRow_; }
    int rightRow() const { return rightRow_; }
    // Selecting a line also puts its list in use.
    void selectLeft(int row);
    void selectRight(int row);
    // Store position of the selected record of the list in use; 0 for none.
    int selectedPos() const;

protected:
    // After the rows were rebuilt: each selection stays in place, goes to
    // the top when it ran past the end, or to none for an empty list.
    void keepRows();
    // At opening: the right list when it holds someone (and `preferRight`).
    void openAt(bool preferRight);
    const SideListRow* selectedRow() const;

    std::vector<SideListRow> left_;
    std::vector<SideListRow> right_;
    SideListSide side_ = SideListSide::Left;
    int leftRow_ = -1;
    int rightRow_ = -1;
};

class SideListModel : public TwoListSelection {
public:
    // The filters of the inactive list in the order the button cycles them.
    static constexpr SidePeriod kFilters[] = {SidePeriod::SixMonths, SidePeriod::ServiceYear,
                                              SidePeriod::TwelveMonths, SidePeriod::MoreThanTwelve,
                                              SidePeriod::All};

    SideListModel(CVelnoDoc& doc, SideListMode mode);

    // Texts, UTF-8.
    std::string title() const;
    std::string leftGroupText() const;
    std::string rightGroupText() const;
    std::string actionText() const;
    std::string filterText() const;
    std::string editText() const;
    std::string deleteText() const;
    std::string closeText() const;

    SideListMode mode() const { return mode_; }
    bool rightVisible() const { return mode_ == SideListMode::Inactive; }
    bool filterVisible() const { return mode_ == SideListMode::Inactive; }
    // "&Edit" and "&Hapus" act on the left list only.
    bool editVisible() const { return side_ == SideListSide::Left; }
    bool deleteVisible() const { return side_ == SideListSide::Left; }

    void useSide(SideListSide side);
    // The six months' list exists in inactive mode only.
    void selectRight(int row);
    // The selected person's name; empty when nothing is selected.
    std::string nameLine() const;

    int filter() const { return filter_; }
    void nextFilter();

    // The action button: the month question for the selected record, or
    // nothing when there is none or its target list is full (refused
    // without a message).
    std::optional<MonthChoiceModel> actionQuestion() const;
    // Carries out the action with the answer; false when nothing changed.
    bool act(const MonthChoice& choice);
    // Reactivating: the months of absence the last action cleared.
    int monthsCleared() const { return cleared_; }

    // "&Hapus" in deleted mode asks this question before deleting for good.
    std::string confirmDeleteText() const;
    // Deletes the selected left-list record permanently.
    bool deleteSelected();

    // After an edit or a deletion done elsewhere; positions are kept.
    void rebuild();

private:
    std::string leftLine(int pos) const;

    CVelnoDoc& doc_;
    SideListMode mode_;
    int filter_ = 4;  // "Semua"
    int cleared_ = 0;
};

}  // namespace velno
