#include "reporting/AttendanceEarlySlot.h"

#include "store/CVelnoDoc.h"

namespace velno {

namespace {

// The working slot of each month in the attendance arrays.
constexpr int kEarlySlot = 2;

// Applies f(array) to each of the eight arrays of a block.
template <typename F>
void forEachArray(MeetingBlock& block, F f) {
    for (auto& week : block.week) f(week);
    f(block.meetings);
    f(block.total);
    f(block.average);
}

}  // namespace

void moveEarlyAttendance(CVelnoDoc& doc, int month0, int parity) {
    if (month0 < 0 || month0 > 11 || parity < 0 || parity > 1) return;
    const int target = monthSlot(month0, parity);
    const int early = monthSlot(month0, kEarlySlot);
    for (MeetingBlock& block : doc.meetings().blocks) {
        forEachArray(block, [&](std::uint16_t(&values)[kSlotCount]) {
            // The month's slot still holds the figures of two years ago;
            // they go even when nothing was entered early.
            values[target] = values[early];
            for (int m = 0; m < 12; ++m)
                if (m != month0) values[monthSlot(m, kEarlySlot)] = 0;
        });
    }
}

}  // namespace velno
