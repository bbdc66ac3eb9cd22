#pragma once
// A complete fictional congregation for trying the program, for screenshots
// and for tests that need a realistic data folder.
//
// With n publishers (default 120) it holds: n active publishers in
// ceil(n / 20) field service groups (at most 20), max(1, n / 15) inactive,
// max(1, n / 40) moved and max(1, n / 60) deleted publishers,
// max(1, n / 12) Bible students and one circuit overseer; 24 months of
// reports ending with the ReportMonth derived from `today`, which is open.
// For 120 publishers that is 6 groups, 8 inactive, 3 moved, 2 deleted and
// 10 Bible students: 145 records with the header.

#include <filesystem>
#include <string>

#include "store/Calendar.h"

namespace velno {

class DocumentRules;

constexpr int kDemoDefaultPublishers = 120;
constexpr int kDemoMaxPublishers = 1200;
constexpr unsigned kDemoDefaultSeed = 1;

// Writes the demo congregation into `out` (created when missing) through
// the store's own save path. Refuses a folder that already holds data
// files. The same seed, date and size give the same bytes. On failure
// returns false with a UTF-8 message in *error. The document follows
// `rules` (the session's keep its month's totals what the program computes
// from the records); without them it only writes what was built.
bool writeDemoCongregation(const std::filesystem::path& out, const CalendarDate& today,
                           unsigned seed, int publishers, std::string* error,
                           const DocumentRules* rules = nullptr);

}  // namespace velno
