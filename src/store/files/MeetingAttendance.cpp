#include "store/files/MeetingAttendance.h"

#include <algorithm>
#include <cstring>

#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/texts/StoreTexts.h"

namespace velno {

void MeetingAttendance::clear() {
    std::memset(blocks.data(), 0, sizeof(MeetingBlock) * blocks.size());
    blockCount = 2;
}

void MeetingAttendance::readMeetings(const DataFolder& folder) {
    clear();
    const auto file = folder.read(kFileName, 2 * sizeof(MeetingBlock));
    if (file.found) {
        // Every read attempt counts, so a file with one block still saves two.
        blockCount = 0;
        std::size_t offset = 0;
        while (blockCount < 2) {
            const bool complete = file.bytes.size() >= offset + sizeof(MeetingBlock);
            if (complete)
                std::memcpy(&blocks[blockCount], file.bytes.data() + offset, sizeof(MeetingBlock));
            ++blockCount;
            offset += sizeof(MeetingBlock);
            if (!complete) break;
        }
    }
    const auto midweek = text::utf8ToCp1252(text::tr(text::TxMeetingMidweek)).bytes;
    const auto weekend = text::utf8ToCp1252(text::tr(text::TxMeetingWeekend)).bytes;
    setFieldText(blocks[0].name, midweek);
    setFieldText(blocks[1].name, weekend);
}

FileResult MeetingAttendance::writeMeetings(const DataFolder& folder) const {
    const int n = std::clamp(blockCount, 0, 2);
    return folder.write(kFileName, blocks.data(), sizeof(MeetingBlock) * n);
}

}  // namespace velno
