#pragma once
// What the field service group lists show: for each group in use its
// heading and its members with their marks, in the order they are printed.

#include <string>
#include <string_view>
#include <vector>

namespace velno {

class CVelnoDoc;

enum class GroupListVariant {
    Active,          // active publishers
    ActiveStudents,  // and Bible students
    ActiveInactive,  // and inactive publishers
    All,             // active, inactive and Bible students
    Consent,         // active publishers with a recorded consent
};

constexpr int kGroupListMembersLimit = 100;

struct GroupListing {
    int number = 0;
    std::string overseer;  // "Pengawas: name" (or "Hamba: name"), UTF-8
    std::string location;
    std::string meeting;             // day, two blanks, time, three blanks; empty for a short time
    std::vector<std::string> names;  // display names with their marks, sorted
};

struct GroupListData {
    std::string title;  // without the congregation name, UTF-8
    std::vector<GroupListing> groups;
};

// languageCode: the string table's language ("czech", "french", ...).
GroupListData groupListData(const CVelnoDoc& doc, GroupListVariant variant,
                            std::string_view languageCode);

}  // namespace velno
