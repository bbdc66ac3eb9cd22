#pragma once
// The data files of the previous program generation ("7" files), converted
// once when a folder without a current main file is opened. The next save
// writes the current format; the old files are left where they are.

#include <cstddef>
#include <cstdint>

#include "store/CVelnoDoc.h"

namespace velno {

// One person in "tdat7.bin" and the side-list files: 336 bytes, one report
// per calendar month (no year of its own: the header record gives each
// month's year).
struct PreviousRecord {
    std::uint8_t common[202];  // the current record's layout, bytes 0..201
    std::uint8_t serviceKind[12];
    std::uint8_t listYear;
    std::uint8_t flags;
    std::uint8_t placementsLow[12];
    std::uint8_t videosLow[12];
    std::uint8_t hours[12];
    std::uint8_t returnVisitsLow[12];
    std::uint8_t studies[12];           // bits 0..5
    std::uint8_t returnVisitsHigh[12];  // bits 6..7 are bits 8..9 of the count
    std::uint8_t highNibbles[12];       // placements high nibble, videos low nibble
    std::uint8_t quarters[12];
    std::uint8_t headerYear[12];  // header record: two-digit year of each month's data
    std::uint8_t credit[12];
};
static_assert(sizeof(PreviousRecord) == 336);
static_assert(offsetof(PreviousRecord, serviceKind) == 202);
static_assert(offsetof(PreviousRecord, listYear) == 214);
static_assert(offsetof(PreviousRecord, flags) == 215);
static_assert(offsetof(PreviousRecord, placementsLow) == 216);
static_assert(offsetof(PreviousRecord, videosLow) == 228);
static_assert(offsetof(PreviousRecord, hours) == 240);
static_assert(offsetof(PreviousRecord, returnVisitsLow) == 252);
static_assert(offsetof(PreviousRecord, studies) == 264);
static_assert(offsetof(PreviousRecord, returnVisitsHigh) == 276);
static_assert(offsetof(PreviousRecord, highNibbles) == 288);
static_assert(offsetof(PreviousRecord, quarters) == 300);
static_assert(offsetof(PreviousRecord, headerYear) == 312);
static_assert(offsetof(PreviousRecord, credit) == 324);

// "remark7.dat": 40-byte entries.
struct PreviousRemark {
    char text[37];
    std::uint8_t month;  // 1..12
    PublisherId id;
};
static_assert(sizeof(PreviousRemark) == 40);
static_assert(offsetof(PreviousRemark, id) == 38);

// "oddmo7.dat": the late reports.
struct PreviousLateReport {
    PublisherId id;
    std::uint8_t month0;
    std::uint8_t processing;  // processing month0 + 1, as lateMark keeps it
};
static_assert(sizeof(PreviousLateReport) == 4);

// "meeting.dat": one meeting kind per record, one value per calendar month.
struct PreviousMeeting {
    char name[32];
    std::uint16_t week[5][12];
    std::uint16_t meetings[12];
    std::uint16_t total[12];
    std::uint16_t average[12];
};
static_assert(sizeof(PreviousMeeting) == 224);
static_assert(offsetof(PreviousMeeting, week) == 32);
static_assert(offsetof(PreviousMeeting, meetings) == 152);

// "bkstudy.dat" of 1881 bytes.
struct PreviousGroupFile {
    std::uint8_t count;
    char overseer[20][24];
    char assistant[20][24];
    char location[20][24];
    char dropped[20][12];
    char time[20][9];
    std::uint8_t day[20];
};
static_assert(sizeof(PreviousGroupFile) == 1881);
static_assert(offsetof(PreviousGroupFile, dropped) == 1441);
static_assert(offsetof(PreviousGroupFile, time) == 1681);
static_assert(offsetof(PreviousGroupFile, day) == 1861);

class PreviousGeneration : public PreviousFormat {
public:
    static constexpr const char* kMainFile = "tdat7.bin";
    static constexpr const char* kRemarkFile = "remark7.dat";
    static constexpr const char* kTotalsFile = "spcards.dat";
    static constexpr const char* kLateFile = "oddmo7.dat";
    static constexpr const char* kMeetingFile = "meeting.dat";
    static constexpr int kSideListLimit = 300;
    static constexpr int kLateLimit = 99;
    static constexpr int kMeetingLimit = 10;

    bool convertStore(CVelnoDoc& doc) override;
    void convertSideTables(CVelnoDoc& doc) override;
    void convertGroups(CVelnoDoc& doc) override;
    void appendSideLists(CVelnoDoc& doc) override;
    void convertMeetings(CVelnoDoc& doc) override;
};

// The converter every load of a live folder uses. It keeps no state.
PreviousFormat& previousGeneration();

}  // namespace velno
