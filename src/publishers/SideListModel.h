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

class SideListModel {
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
    const std::vector<SideListRow>& leftRows() const { return left_; }
    const std::vector<SideListRow>& rightRows() const { return right_; }
    bool rightVisible() const { return mode_ == SideListMode::Inactive; }
    bool filterVisible() const { return mode_ == SideListMode::Inactive; }
    // "&Edit" and "&Hapus" act on the left list only.
    bool editVisible() const { return side_ == SideListSide::Left; }
    bool deleteVisible() const { return side_ == SideListSide::Left; }

    SideListSide side() const { return side_; }
    void useSide(SideListSide side);
    int leftRow() const { return leftRow_; }
    int rightRow() const { return rightRow_; }
    // Selecting a line also puts its list in use.
    void selectLeft(int row);
    void selectRight(int row);
    // The selected person's name; empty when nothing is selected.
    std::string nameLine() const;
    // Store position of the selected record of the list in use; 0 for none.
    int selectedPos() const;

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
    std::vector<SideListRow> left_;
    std::vector<SideListRow> right_;
    SideListSide side_ = SideListSide::Left;
    int leftRow_ = -1;
    int rightRow_ = -1;
    int filter_ = 4;  // "Semua"
    int cleared_ = 0;
};

}  // namespace velno
