#pragma once
// "meetin9.dat": meeting attendance of both meetings, week by week.
// Read into a document table at load and written at save.

#include <array>
#include <cstdint>

#include "store/DataFolder.h"
#include "store/PublisherRecord.h"

namespace velno {

struct MeetingBlock {
    char name[96];
    std::uint16_t week[5][kSlotCount];  // attendance of the 1st..5th meeting
    std::uint16_t meetings[kSlotCount];
    std::uint16_t total[kSlotCount];
    std::uint16_t average[kSlotCount];
};
static_assert(sizeof(MeetingBlock) == 672);
static_assert(offsetof(MeetingBlock, week) == 96);
static_assert(offsetof(MeetingBlock, meetings) == 96 + 5 * 72);

struct MeetingAttendance {
    static constexpr const char* kFileName = "meetin9.dat";
    std::array<MeetingBlock, 2> blocks{};  // midweek, weekend
    int blockCount = 2;

    void clear();
    void readMeetings(const DataFolder& folder);
    FileResult writeMeetings(const DataFolder& folder) const;
};

}  // namespace velno
