#pragma once
// Assigning publishers to a field service group (dialog 128 "Penyiar di
// KDL n"): the candidates beside the group's members, with the filters for
// one group's and unassigned publishers, and inactive records on request.

#include <string>
#include <vector>

#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;

struct GroupAssignRow {
    int pos = 0;
    PublisherId id = 0;
    std::string text;  // UTF-8: name, "(n)" when in another group, " *" when inactive
};

class GroupAssignModel {
public:
    // group: 1..20.
    GroupAssignModel(CVelnoDoc& doc, int group);

    // Texts, UTF-8.
    std::string title() const;
    std::string assignText() const;
    std::string includeInactiveText() const;
    std::string doneText() const;
    std::vector<std::string> groupLines() const;   // "01" .. "20"
    std::vector<std::string> filterLines() const;  // "***", "1" .. "20"

    int group() const { return group_; }
    void setGroup(int group);
    // 0: everyone; n: only group n and the unassigned.
    int filter() const { return filter_; }
    void setFilter(int filter);
    bool includeInactive() const { return inactive_; }
    void setIncludeInactive(bool on);
    bool unassignedOnly() const { return unassignedOnly_; }
    void setUnassignedOnly(bool on);

    const std::vector<GroupAssignRow>& candidates() const { return candidates_; }
    const std::vector<GroupAssignRow>& members() const { return members_; }

    // The unassigned check box: shown only when someone is unassigned.
    int unassignedCount() const { return unassigned_; }
    bool unassignedVisible() const { return unassigned_ > 0; }
    std::string unassignedText() const;
    // "n Penyiar"; "( n Penyiar Tidak Aktif * )" while inactive records are
    // included.
    std::string memberCountText() const;
    bool inactiveCountVisible() const { return inactive_; }
    std::string inactiveCountText() const;

    int candidateRow() const { return row_; }
    void selectCandidate(int row);
    std::string nameLine() const;
    std::string targetLine() const;

    // "<<< Tugaskan <<<": the chosen candidate joins the current group.
    bool assign();
    bool changed() const { return changed_; }

private:
    void rebuild();

    CVelnoDoc& doc_;
    int group_;
    int filter_ = 0;
    bool inactive_ = false;
    bool unassignedOnly_ = false;
    std::vector<GroupAssignRow> candidates_;
    std::vector<GroupAssignRow> members_;
    std::vector<std::string> names_;  // UTF-8 display names by store position
    int unassigned_ = 0;
    int inactiveMembers_ = 0;
    int row_ = -1;
    bool changed_ = false;
};

// Puts the record at `pos` (active, inactive or Bible student) into group
// 0..20 (0: none). False for another record or number; sets the modified
// flag when the group changed.
bool assignGroup(CVelnoDoc& doc, int pos, int group);

}  // namespace velno
