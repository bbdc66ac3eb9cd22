#include "store/PublisherRecord.h"

#include <cstring>

namespace velno {

std::uint16_t PublisherRecord::itemAt(int slot, int item) const {
    switch (item) {
        case 0:
            return placements[slot];
        case 1:
            return videos[slot];
        case 2:
            return hours[slot];
        case 3:
            return returnVisits[slot];
        case 4:
            return studiesWord[slot] & StudiesWord::StudiesMask;
        default:
            return 0;
    }
}

void PublisherRecord::setItemAt(int slot, int item, std::uint16_t value) {
    switch (item) {
        case 0:
            placements[slot] = value;
            break;
        case 1:
            videos[slot] = value;
            break;
        case 2:
            hours[slot] = value;
            break;
        case 3:
            returnVisits[slot] = value;
            break;
        case 4:
            studiesWord[slot] =
                static_cast<std::uint16_t>((studiesWord[slot] & ~StudiesWord::StudiesMask) |
                                           (value & StudiesWord::StudiesMask));
            break;
        default:
            break;
    }
}

bool PublisherRecord::hasReportAt(int slot) const {
    return placements[slot] || videos[slot] || hours[slot] || returnVisits[slot] ||
           (studiesWord[slot] & StudiesWord::StudiesMask) ||
           studiesWord[slot] >= StudiesWord::ReportThreshold;
}

void PublisherRecord::clearItemsAt(int slot) {
    placements[slot] = 0;
    videos[slot] = 0;
    hours[slot] = 0;
    returnVisits[slot] = 0;
    studiesWord[slot] = 0;
}

std::uint8_t HeaderRecord::collectionState(int month0) const {
    return reinterpret_cast<const std::uint8_t*>(&r_)[HeaderField::CollectionStateOffset + month0];
}

void HeaderRecord::setCollectionState(int month0, std::uint8_t state) {
    reinterpret_cast<std::uint8_t*>(&r_)[HeaderField::CollectionStateOffset + month0] = state;
}

void initHeaderRecord(PublisherRecord& record) {
    std::memset(&record, 0, sizeof record);
    record.fname[0] = ' ';
    record.lname[0] = 'A';
}

}  // namespace velno
