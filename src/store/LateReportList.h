#pragma once
// Reports for earlier months entered during the ReportMonth. Not a file of
// its own: each record's lateMark bytes carry it between runs.

#include <cstdint>
#include <vector>

#include "store/PublisherRecord.h"

namespace velno {

class RecordStore;
struct ReportMonth;

struct LateReportEntry {
    PublisherId id;
    std::uint8_t month0;      // month of the late report
    std::uint8_t processing;  // processing month0 + 1 when it was entered
};
static_assert(sizeof(LateReportEntry) == 4);

class LateReportList {
public:
    static constexpr int kCapacity = 250;
    static constexpr int kRebuildLimit = 200;

    const std::vector<LateReportEntry>& entries() const { return entries_; }
    int count() const { return static_cast<int>(entries_.size()); }
    void clear() { entries_.clear(); }

    // A report for the same publisher and month replaces the older entry
    // and goes last; a new one is kept while the list has room.
    void add(PublisherId id, int month0, int processingMonth0);

    // From the lateMark bytes of the active records, six months back from
    // the ReportMonth, newest first, in store order.
    void rebuild(const RecordStore& store, const ReportMonth& month);
    // Before saving: clears this month's marks and sets them again from
    // the list, at each late month's most recent occurrence.
    void writeMarks(RecordStore& store, const ReportMonth& month) const;

private:
    std::vector<LateReportEntry> entries_;
};

}  // namespace velno
