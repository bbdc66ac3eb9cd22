#include "publishers/GroupDialogModel.h"

#include <algorithm>

#include "publishers/GroupEditorModel.h"
#include "publishers/RecordTextInput.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

namespace {

constexpr GroupText kFields[] = {GroupText::Overseer, GroupText::Assistant, GroupText::Location,
                                 GroupText::Name, GroupText::Time};

int index(GroupText field) {
    return static_cast<int>(field);
}

}  // namespace

GroupDialogModel::GroupDialogModel(const CVelnoDoc& doc, int group)
    : doc_(doc), group_(std::clamp(group, 1, GroupTable::kCapacity)) {
    const GroupFile& g = doc.groups().data();
    for (const GroupText field : kFields)
        texts_[index(field)] = text::cp1252ToUtf8(groupText(g, group_, field));
    day_ = g.day[group_ - 1] <= 6 ? g.day[group_ - 1] : 0;
    useName_ = g.showName[group_ - 1] != 0;
}

std::string GroupDialogModel::title() const {
    return groupEditButtonText(doc_, group_);
}

std::string GroupDialogModel::label(GroupText field) const {
    switch (field) {
        case GroupText::Overseer:
            return text::tr(text::TxGroupOverseer);
        case GroupText::Assistant:
            return text::tr(text::TxGroupAssistant);
        case GroupText::Location:
            return text::tr(text::TxGroupLocation);
        case GroupText::Name:
            return nameCheckText();
        case GroupText::Time:
            break;
    }
    return text::tr(text::TxGroupTime);
}

std::string GroupDialogModel::dayLabel() const {
    return text::tr(text::TxGroupDay);
}
std::string GroupDialogModel::okText() const {
    return text::tr(text::TxOk);
}
std::string GroupDialogModel::cancelText() const {
    return text::tr(text::TxCancel);
}
std::string GroupDialogModel::pickText() const {
    return text::tr(text::TxPick);
}
std::string GroupDialogModel::nameCheckText() const {
    return text::tr(text::TxGroupNameOptional);
}
std::string GroupDialogModel::assignedText() const {
    return text::tr(text::TxGroupAssigned);
}

std::vector<std::string> GroupDialogModel::dayLines() const {
    std::vector<std::string> lines;
    for (int d = 0; d < 7; ++d) lines.push_back(groupDayName(d));
    return lines;
}

const std::string& GroupDialogModel::text(GroupText field) const {
    return texts_[index(field)];
}

bool GroupDialogModel::setText(GroupText field, std::string_view utf8, std::string* message) {
    const std::size_t limit = groupTextLimit(field);
    const RecordTextInput input = recordTextInput(utf8, limit, false);
    if (!input.ok || input.cut) {
        if (message)
            *message = input.ok
                           ? text::arg(text::tr(text::TxGroupTextTooLong), std::to_string(limit))
                           : input.message;
        return false;
    }
    texts_[index(field)] = std::string(utf8);
    return true;
}

void GroupDialogModel::pick(GroupText field, int storePos) {
    if (field != GroupText::Overseer && field != GroupText::Assistant) return;
    if (storePos <= 0 || storePos >= doc_.store().recordCount()) return;
    // First and last name together may be longer than the box holds.
    std::string name = fullNameOf(doc_, storePos);
    name.resize(std::min(name.size(), groupTextLimit(field)));
    texts_[index(field)] = text::cp1252ToUtf8(name);
}

void GroupDialogModel::setDay(int day) {
    if (day >= 0 && day <= 6) day_ = day;
}

void GroupDialogModel::ok(CVelnoDoc& doc) const {
    GroupFile& g = doc.groups().data();
    const int i = group_ - 1;
    for (const GroupText field : kFields) {
        std::string bytes = text::utf8ToCp1252(texts_[index(field)]).bytes;
        if (field == GroupText::Name) bytes = std::string(trimmed(bytes));
        bytes.resize(std::min(bytes.size(), groupTextLimit(field)));
        setFieldText(groupTextField(g, group_, field), groupTextWidth(field), bytes);
    }
    const bool named = !trimmed(text::utf8ToCp1252(texts_[index(GroupText::Name)]).bytes).empty();
    g.showName[i] = useName_ && named ? 1 : 0;
    g.day[i] = static_cast<std::uint8_t>(day_);
    if (group_ > g.count && !trimmed(groupText(g, group_, GroupText::Overseer)).empty())
        g.count = static_cast<std::uint8_t>(group_);
}

}  // namespace velno
