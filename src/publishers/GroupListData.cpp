#include "publishers/GroupListData.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

#include "publishers/GroupOverseer.h"
#include "publishers/GroupTexts.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "store/files/PrivilegeDates.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/PrintTexts.h"

namespace velno {

namespace {

struct Member {
    int pos;
    std::string name;  // Windows-1252, for the order
    std::string mark;  // UTF-8
};

std::string listTitle(const CVelnoDoc& doc, std::string_view language) {
    if (language == "french")
        return text::tr(trimmed(doc.settings().congregationName).empty()
                            ? text::TxGroupListTitleFrenchLocal
                            : text::TxGroupListTitleFrench);
    const std::string& pattern = text::tr(text::TxGroupListTitle);
    if (language == "swedish" || language == "czech" || language == "ptg") {
        // Those tables' text has no place for the word.
        std::string t = pattern;
        if (const auto at = t.find("%1"); at != std::string::npos) t.erase(at, 2);
        return std::string(trimmed(t));
    }
    return text::arg(pattern, text::tr(text::TxCongregation));
}

}  // namespace

GroupListData groupListData(const CVelnoDoc& doc, GroupListVariant variant,
                            std::string_view language) {
    GroupListData data;
    data.title = listTitle(doc, language);
    const RecordStore& store = doc.store();
    const bool students =
        variant == GroupListVariant::ActiveStudents || variant == GroupListVariant::All;
    const bool inactive =
        variant == GroupListVariant::ActiveInactive || variant == GroupListVariant::All;
    std::unordered_set<PublisherId> consenting;
    if (variant == GroupListVariant::Consent)
        for (const PrivilegeDateEntry& e : doc.privilegeDates().entries)
            if (e.kind == PrivilegeKind::Consent) consenting.insert(e.id);
    const std::string assistantMark = language == "czech"
                                          ? text::tr(text::TxAssistantMarkCzech)
                                          : text::tr(text::TxAssistantWord).substr(0, 1);

    const GroupFile& g = doc.groups().data();
    for (int group = 1; group <= doc.groups().count(); ++group) {
        const std::string assistant(trimmed(groupText(g, group, GroupText::Assistant)));
        std::vector<Member> members;
        auto collect = [&](int kind, const std::string& mark) {
            for (const std::uint16_t pos : store.subList(kind)) {
                if (members.size() >= kGroupListMembersLimit) return;
                const PublisherRecord& r = store.at(pos);
                if (r.group != group) continue;
                if (kind == ListInactive && (r.flags & RecordFlag::NoGroupOnSideList)) continue;
                if (variant == GroupListVariant::Consent && !consenting.count(r.id)) continue;
                std::string m = mark;
                if (kind == ListActive && !assistant.empty() && fullNameOf(doc, pos) == assistant)
                    m = assistantMark;
                members.push_back({pos, doc.displayName(pos), m});
            }
        };
        collect(ListActive, "");
        if (inactive) collect(ListInactive, text::tr(text::TxInactiveMark));
        if (students) collect(ListBibleStudent, text::tr(text::TxStudentMark));
        // Two names compare over the length of the shorter one.
        std::stable_sort(members.begin(), members.end(), [](const Member& a, const Member& b) {
            const std::size_t n = std::min(a.name.size(), b.name.size());
            return std::memcmp(a.name.data(), b.name.data(), n) < 0;
        });

        GroupListing listing;
        listing.number = group;
        listing.overseer = overseerTitle(doc, group);
        listing.location = text::cp1252ToUtf8(groupText(g, group, GroupText::Location));
        const std::string time = groupText(g, group, GroupText::Time);
        if (time.size() > 3)
            listing.meeting =
                groupDayName(g.day[group - 1]) + "  " + text::cp1252ToUtf8(time) + "   ";
        for (const Member& m : members) {
            const std::string name = text::cp1252ToUtf8(m.name);
            listing.names.push_back(
                m.mark.empty() ? name
                               : text::formatPrintf("%s (%s)", name.c_str(), m.mark.c_str()));
        }
        data.groups.push_back(std::move(listing));
    }
    return data;
}

}  // namespace velno
