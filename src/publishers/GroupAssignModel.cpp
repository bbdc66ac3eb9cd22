#include "publishers/GroupAssignModel.h"

#include <algorithm>

#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/CommonTexts.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

bool assignGroup(CVelnoDoc& doc, int pos, int group) {
    if (pos <= 0 || pos >= doc.store().recordCount() || group < 0 || group > GroupTable::kCapacity)
        return false;
    PublisherRecord& r = doc.store().at(pos);
    if (r.listKind != ListActive && r.listKind != ListInactive && r.listKind != ListBibleStudent)
        return false;
    if (r.group != group) {
        r.group = static_cast<std::uint8_t>(group);
        doc.dirty = true;
    }
    return true;
}

GroupAssignModel::GroupAssignModel(CVelnoDoc& doc, int group)
    : doc_(doc),
      group_(std::clamp(group, 1, GroupTable::kCapacity)),
      names_(static_cast<std::size_t>(doc.store().recordCount())) {
    rebuild();
}

std::string GroupAssignModel::title() const {
    return text::arg(text::tr(text::TxGroupAssignTitle), text::formatPrintf("%2d", group_));
}
std::string GroupAssignModel::assignText() const {
    return text::tr(text::TxGroupAssignButton);
}
std::string GroupAssignModel::includeInactiveText() const {
    return text::tr(text::TxGroupIncludeInactive);
}
std::string GroupAssignModel::doneText() const {
    return text::tr(text::TxGroupDone);
}

std::vector<std::string> GroupAssignModel::groupLines() const {
    std::vector<std::string> lines;
    for (int g = 1; g <= GroupTable::kCapacity; ++g) lines.push_back(text::formatPrintf("%02d", g));
    return lines;
}

std::vector<std::string> GroupAssignModel::filterLines() const {
    std::vector<std::string> lines{"***"};
    for (int g = 1; g <= GroupTable::kCapacity; ++g) lines.push_back(std::to_string(g));
    return lines;
}

void GroupAssignModel::setGroup(int group) {
    if (group < 1 || group > GroupTable::kCapacity) return;
    group_ = group;
    rebuild();
}

void GroupAssignModel::setFilter(int filter) {
    if (filter < 0 || filter > GroupTable::kCapacity) return;
    filter_ = filter;
    rebuild();
}

void GroupAssignModel::setIncludeInactive(bool on) {
    inactive_ = on;
    rebuild();
}

void GroupAssignModel::setUnassignedOnly(bool on) {
    unassignedOnly_ = on;
    rebuild();
}

void GroupAssignModel::rebuild() {
    const RecordStore& store = doc_.store();
    const PublisherId chosen =
        row_ >= 0 && row_ < static_cast<int>(candidates_.size()) ? candidates_[row_].id : 0;
    candidates_.clear();
    members_.clear();
    unassigned_ = 0;
    inactiveMembers_ = 0;
    // The store is in name order; both lists keep it.
    for (int pos = 1; pos < store.recordCount(); ++pos) {
        const PublisherRecord& r = store.at(pos);
        const bool inactive = r.listKind == ListInactive;
        if (r.listKind != ListActive && !(inactive && inactive_)) continue;
        // Names stay as they are while the dialog is open; only groups change.
        if (names_[pos].empty()) names_[pos] = text::cp1252ToUtf8(doc_.displayName(pos));
        const std::string& name = names_[pos];
        const std::string mark = inactive ? " *" : "";
        if (r.group == 0) ++unassigned_;
        if (r.group == group_) {
            members_.push_back({pos, r.id, name + mark});
            inactiveMembers_ += inactive;
            continue;
        }
        if (filter_ != 0 && r.group != filter_ && r.group != 0) continue;
        if (unassignedOnly_ && r.group != 0) continue;
        const std::string shown = r.group == 0 ? name : name + " (" + std::to_string(r.group) + ")";
        candidates_.push_back({pos, r.id, shown + mark});
    }
    // Without anyone unassigned the check box is gone, and so is its filter.
    if (unassigned_ == 0) unassignedOnly_ = false;
    row_ = candidates_.empty() ? -1 : 0;
    for (int i = 0; i < static_cast<int>(candidates_.size()); ++i)
        if (candidates_[i].id == chosen) row_ = i;
}

std::string GroupAssignModel::unassignedText() const {
    return text::formatPrintf("%d %s", unassigned_, text::tr(text::TxGroupUnassigned).c_str());
}

std::string GroupAssignModel::memberCountText() const {
    return text::formatPrintf("%d ", static_cast<int>(members_.size())) +
           text::tr(text::TxPublisherWord);
}

std::string GroupAssignModel::inactiveCountText() const {
    return text::formatPrintf("( %d %s * )", inactiveMembers_,
                              text::tr(text::TxListInactive).c_str());
}

void GroupAssignModel::selectCandidate(int row) {
    if (row >= 0 && row < static_cast<int>(candidates_.size())) row_ = row;
}

std::string GroupAssignModel::nameLine() const {
    if (row_ < 0) return {};
    return text::cp1252ToUtf8(doc_.displayName(candidates_[row_].pos));
}

std::string GroupAssignModel::targetLine() const {
    return text::arg(text::tr(text::TxGroupTarget), text::formatPrintf(" #%d", group_));
}

bool GroupAssignModel::assign() {
    if (row_ < 0) return false;
    if (!assignGroup(doc_, candidates_[row_].pos, group_)) return false;
    changed_ = true;
    rebuild();
    return true;
}

}  // namespace velno
