#include "publishers/GroupEditorModel.h"

#include <algorithm>

#include "publishers/GroupDialogModel.h"
#include "publishers/GroupTexts.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/AppTexts.h"
#include "text/texts/PublishersTexts.h"
#include "text/texts/ReportingTexts.h"

namespace velno {

std::string groupEditButtonText(const CVelnoDoc& doc, int group) {
    const GroupFile& g = doc.groups().data();
    const bool named = group >= 1 && group <= GroupTable::kCapacity && g.showName[group - 1] != 0 &&
                       groupText(g, group, GroupText::Name).size() > 1;
    const std::string label =
        named ? groupDisplayText(doc, group)
              : text::formatPrintf("%s %d", text::tr(text::TxGroupWord).c_str(), group);
    return text::arg(text::tr(text::TxGroupEditButton), label);
}

int countGroupsInUse(const CVelnoDoc& doc) {
    const GroupFile& g = doc.groups().data();
    int n = 0;
    while (n < GroupTable::kCapacity && !trimmed(groupText(g, n + 1, GroupText::Overseer)).empty())
        ++n;
    return n;
}

GroupEditorModel::GroupEditorModel(CVelnoDoc& doc) : doc_(doc) {
    rebuild();
}

std::string GroupEditorModel::title() const {
    return text::tr(text::TxGroupEditorTitle);
}

std::vector<std::string> GroupEditorModel::headings() const {
    return {text::tr(text::TxGroupOverseer), text::tr(text::TxGroupAssistant),
            text::tr(text::TxGroupLocation), text::tr(text::TxGroupDay),
            text::tr(text::TxGroupTime)};
}

std::string GroupEditorModel::hintText() const {
    return text::tr(text::TxGroupNotInRecords);
}
std::string GroupEditorModel::assignedText() const {
    return text::tr(text::TxGroupAssigned);
}
std::string GroupEditorModel::doneText() const {
    return text::tr(text::TxSideListDone);
}
std::string GroupEditorModel::editButtonText() const {
    return groupEditButtonText(doc_, selectedGroup());
}

void GroupEditorModel::rebuild() {
    const GroupFile& g = doc_.groups().data();
    const int count = doc_.groups().count();
    const std::string sign = text::tr(text::TxNumberSign);
    lines_.clear();
    hint_ = false;
    // "*" before a name that no active publisher carries.
    auto marked = [&](int group, GroupText field) {
        const std::string name = groupText(g, group, field);
        if (trimmed(name).empty()) return std::string();
        const bool known = activeByFullName(doc_, name) != 0;
        hint_ = hint_ || !known;
        return std::string(known ? "" : "*") + text::cp1252ToUtf8(name);
    };
    for (int group = 1; group <= GroupTable::kCapacity; ++group) {
        const std::string day = groupDayName(g.day[group - 1]);
        if (group > count) {
            lines_.push_back(
                text::formatPrintf("%s%d \t \t \t \t%s \t", sign.c_str(), group, day.c_str()));
            continue;
        }
        const std::string overseer = marked(group, GroupText::Overseer);
        const std::string assistant = marked(group, GroupText::Assistant);
        const std::string location = text::cp1252ToUtf8(groupText(g, group, GroupText::Location));
        const std::string time = text::cp1252ToUtf8(groupText(g, group, GroupText::Time));
        lines_.push_back(text::formatPrintf("%s%d \t%s \t%s \t%s \t%s \t%s", sign.c_str(), group,
                                            overseer.c_str(), assistant.c_str(), location.c_str(),
                                            day.c_str(), time.c_str()));
    }
    row_ = std::min(row_, std::min(count, GroupTable::kCapacity - 1));
}

void GroupEditorModel::select(int row) {
    const int last = std::min(doc_.groups().count(), GroupTable::kCapacity - 1);
    if (row >= 0 && row <= last) row_ = row;
}

GroupDialogModel GroupEditorModel::groupDialog() const {
    return GroupDialogModel(doc_, selectedGroup());
}

void GroupEditorModel::store(const GroupDialogModel& dialog) {
    dialog.ok(doc_);
    changed_ = true;
    rebuild();
}

bool GroupEditorModel::close() {
    GroupFile& g = doc_.groups().data();
    const auto count = static_cast<std::uint8_t>(countGroupsInUse(doc_));
    if (count != g.count) changed_ = true;
    g.count = count;
    if (changed_) doc_.dirty = true;
    rebuild();
    return changed_;
}

}  // namespace velno
