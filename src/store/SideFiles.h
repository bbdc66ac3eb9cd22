#pragma once
// The small fixed-format files of the data folder: meeting attendance,
// saved monthly totals, under-one-hour marks, privilege dates and view
// options. Each is read into a document table at load and written at save.

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "store/DataFolder.h"
#include "store/PublisherRecord.h"

namespace velno {

class RecordStore;

// ---- "meetin9.dat" -------------------------------------------------------
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

// ---- "tcard.dat" ---------------------------------------------------------
struct ReportTotals {
    static constexpr const char* kFileName = "tcard.dat";
    static constexpr int kCategories = 4;
    static constexpr int kValues = 9;
    // [month0][category][value][parity]
    std::uint16_t values[12][kCategories][kValues][2]{};

    void clear();
    void readTotals(const DataFolder& folder);
    FileResult writeTotals(const DataFolder& folder) const;
};
static_assert(sizeof(ReportTotals) == 1728);

// ---- "tlt15.dat" ---------------------------------------------------------
// Under-one-hour marks of five-number-form months live in their own file.
struct UnderHourEntry {
    PublisherId id;
    std::uint8_t marks[24];  // [month0 * 2 + parity]
    std::uint8_t zero[6];
};
static_assert(sizeof(UnderHourEntry) == 32);

namespace UnderHourMarks {
constexpr const char* kFileName = "tlt15.dat";
// Tells whether slot (month0, parity) holds a five-number-form month.
using IsOldForm = std::function<bool(int month0, int parity)>;
// Sets bit 11 of the marked slots that have no hours and no report word.
void applyUnderHourMarks(const DataFolder& folder, RecordStore& store);
// Rewrites the file from bit 11 of the five-number-form slots (removed when
// no record has bit 11 anywhere). The records in memory are not changed.
FileResult writeUnderHourMarks(const DataFolder& folder, const RecordStore& store,
                               const IsOldForm& isOldForm);
}  // namespace UnderHourMarks

// ---- "tappt.dat" ---------------------------------------------------------
namespace PrivilegeKind {
constexpr std::uint16_t Removed = 0;
constexpr std::uint16_t Servant = 1;
constexpr std::uint16_t Elder = 2;
constexpr std::uint16_t RegularPioneer = 3;
constexpr std::uint16_t ContinuousAuxiliary = 4;
constexpr std::uint16_t SpecialPioneer = 5;
constexpr std::uint16_t Consent = 20;
}  // namespace PrivilegeKind

struct PrivilegeDateEntry {
    PublisherId id;
    std::uint16_t kind;
    std::uint16_t carried;
    char start[9];
    char end[9];
    std::uint8_t zero[8];
};
static_assert(sizeof(PrivilegeDateEntry) == 32);
static_assert(offsetof(PrivilegeDateEntry, start) == 6);
static_assert(offsetof(PrivilegeDateEntry, end) == 15);

struct PrivilegeDates {
    static constexpr const char* kFileName = "tappt.dat";
    static constexpr int kCapacity = 1500;
    std::vector<PrivilegeDateEntry> entries;

    void readPrivilegeDates(const DataFolder& folder);
    // Trims the start dates and writes each (id, kind) once: entries with a
    // full start date, and consent entries whatever their date.
    FileResult writePrivilegeDates(const DataFolder& folder);
    void removeAllOf(PublisherId id);
};

// ---- "vnxcfg.cfg" --------------------------------------------------------
struct ViewOptions {
    static constexpr const char* kFileName = "vnxcfg.cfg";
    std::array<std::uint8_t, 7> bytes{};

    bool familyNameFirst() const { return bytes[0] == 1; }
    bool alternativeDateFormat() const { return bytes[5] == 1; }
    bool includeDates() const { return bytes[6] == 1; }

    void readViewOptions(const DataFolder& folder);
    FileResult writeViewOptions(const DataFolder& folder) const;
};

}  // namespace velno
