#include "publishers/GroupTexts.h"

#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/texts/StoreTexts.h"

namespace velno {

namespace {

constexpr int kDayTexts[] = {text::TxDayMonday,   text::TxDayTuesday, text::TxDayWednesday,
                             text::TxDayThursday, text::TxDayFriday,  text::TxDaySaturday,
                             text::TxDaySunday};

}  // namespace

std::string groupDayName(int day) {
    return day >= 0 && day < 7 ? text::tr(kDayTexts[day]) : std::string();
}

std::string groupDisplayText(const CVelnoDoc& doc, int group) {
    return text::cp1252ToUtf8(doc.groups().displayName(group));
}

namespace {

// The field of the group at index i, const or not.
template <typename File>
auto* fieldOf(File& g, int i, GroupText field) {
    switch (field) {
        case GroupText::Overseer:
            return g.overseer[i];
        case GroupText::Assistant:
            return g.assistant[i];
        case GroupText::Location:
            return g.location[i];
        case GroupText::Name:
            return g.name[i];
        case GroupText::Time:
            break;
    }
    return g.time[i];
}

}  // namespace

char* groupTextField(GroupFile& g, int group, GroupText field) {
    return fieldOf(g, group - 1, field);
}

std::size_t groupTextWidth(GroupText field) {
    return field == GroupText::Time ? sizeof(GroupFile::time[0]) : sizeof(GroupFile::name[0]);
}

std::size_t groupTextLimit(GroupText field) {
    switch (field) {
        case GroupText::Overseer:
        case GroupText::Assistant:
            return 23;
        case GroupText::Location:
            return 22;
        case GroupText::Name:
            return 20;
        case GroupText::Time:
            break;
    }
    return 8;
}

std::string groupText(const GroupFile& groups, int group, GroupText field) {
    if (group < 1 || group > GroupTable::kCapacity) return {};
    return fieldText(fieldOf(groups, group - 1, field), groupTextWidth(field));
}

int activeByFullName(const CVelnoDoc& doc, std::string_view name) {
    const std::string_view wanted = trimmed(name);
    if (wanted.empty()) return 0;
    for (const std::uint16_t pos : doc.store().subList(ListActive))
        if (fullNameOf(doc, pos) == wanted) return pos;
    return 0;
}

std::string fullNameOf(const CVelnoDoc& doc, int pos) {
    const PublisherRecord& r = doc.store().at(pos);
    return fieldText(r.fname) + " " + fieldText(r.lname);
}

}  // namespace velno
