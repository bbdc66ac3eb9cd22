#include "publishers/GroupPickerModel.h"

#include "publishers/GroupTexts.h"
#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/PrintTexts.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

GroupPickerModel::GroupPickerModel(const CVelnoDoc& doc, int current)
    : doc_(doc),
      current_(current),
      row_(current >= 1 && current <= GroupTable::kCapacity ? current - 1 : -1) {}

std::string GroupPickerModel::title() const {
    return text::tr(text::TxGroupChoiceTitle);
}

std::vector<std::string> GroupPickerModel::lines() const {
    std::vector<std::string> lines;
    for (int g = 1; g <= GroupTable::kCapacity; ++g) lines.push_back(text::formatPrintf("%02d", g));
    return lines;
}

void GroupPickerModel::select(int row) {
    if (row >= -1 && row < GroupTable::kCapacity) row_ = row;
}

std::string GroupPickerModel::labelLine() const {
    return row_ < 0 ? std::string() : groupDisplayText(doc_, row_ + 1);
}

// Groups above the count read as empty.
std::string GroupPickerModel::overseerLine() const {
    if (row_ < 0) return {};
    const bool inUse = row_ + 1 <= doc_.groups().count();
    const std::string name =
        inUse ? groupText(doc_.groups().data(), row_ + 1, GroupText::Overseer) : std::string();
    return text::arg(text::tr(text::TxOverseerTitle), text::cp1252ToUtf8(name));
}

std::string GroupPickerModel::locationLine() const {
    if (row_ < 0 || row_ + 1 > doc_.groups().count()) return {};
    return text::cp1252ToUtf8(groupText(doc_.groups().data(), row_ + 1, GroupText::Location));
}

std::string GroupPickerModel::membersHeading() const {
    return text::tr(text::TxGroupMembersHeading);
}

std::vector<std::string> GroupPickerModel::members() const {
    std::vector<std::string> names;
    if (row_ < 0) return names;
    for (const std::uint16_t pos : doc_.store().subList(ListActive))
        if (doc_.store().at(pos).group == row_ + 1)
            names.push_back(text::cp1252ToUtf8(doc_.displayName(pos, true)));
    return names;
}

}  // namespace velno
