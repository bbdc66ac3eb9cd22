#pragma once
// "tlt15.dat": the under-one-hour marks of five-number-form months.
// Read into a document table at load and written at save.

#include <cstdint>
#include <functional>

#include "store/DataFolder.h"
#include "store/PublisherRecord.h"

namespace velno {

class RecordStore;

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

}  // namespace velno
