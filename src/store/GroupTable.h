#pragma once
// Field service groups ("bkstudy.dat"): a structure of arrays for 20
// groups; the texts of the groups in use are scrambled in the file.

#include <array>
#include <cstdint>
#include <string>

#include "store/DataFolder.h"

namespace velno {

struct GroupFile {
    std::uint8_t count;  // groups in use, 0..20
    char overseer[20][24];
    char assistant[20][24];
    char location[20][24];
    char name[20][24];
    char time[20][9];
    std::uint8_t day[20];       // 0..6, Monday first
    std::uint8_t showName[20];  // 1: show the name, 0: "KDL #" and the number
};
static_assert(sizeof(GroupFile) == 2141);
static_assert(offsetof(GroupFile, overseer) == 1);
static_assert(offsetof(GroupFile, assistant) == 481);
static_assert(offsetof(GroupFile, location) == 961);
static_assert(offsetof(GroupFile, name) == 1441);
static_assert(offsetof(GroupFile, time) == 1921);
static_assert(offsetof(GroupFile, day) == 2101);
static_assert(offsetof(GroupFile, showName) == 2121);

class GroupTable {
public:
    static constexpr const char* kFileName = "bkstudy.dat";
    static constexpr int kCapacity = 20;
    static constexpr std::size_t kPreviousFormatSize = 1881;

    GroupTable() { clear(); }
    void clear();

    GroupFile& data() { return g_; }
    const GroupFile& data() const { return g_; }
    int count() const { return g_.count; }

    enum class LoadResult { Missing, Loaded, PreviousFormat, Short };
    // A file of exactly 1881 bytes is of the previous format and is left to
    // the converter; other sizes are read as the current format.
    LoadResult load(const DataFolder& folder);
    // Deletes the file, then writes it when at least one group is in use.
    // False when the write failed.
    FileResult save(const DataFolder& folder) const;

    // The group's name when it is to be shown and longer than one
    // character, otherwise "KDL # n". n is 1-based. Windows-1252.
    std::string displayName(int n) const;

private:
    GroupFile g_;
};

void xorGroupTexts(GroupFile& groups);

}  // namespace velno
