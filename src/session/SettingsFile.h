#pragma once
// The program's settings in the profile file "velnoin.ini" of the data
// folder: which section and key holds each value, its default, and the
// rules applied when reading and writing them.

#include <string>
#include <string_view>

#include "store/Calendar.h"
#include "store/ReportMonth.h"
#include "store/Settings.h"
#include "store/files/ProfileFile.h"

namespace velno {

class CVelnoDoc;

constexpr const char* kSettingsFileName = "velnoin.ini";
constexpr std::size_t kCustomCategoryNameLength = 15;
constexpr std::size_t kCongregationNameLength = 25;  // the report-format dialog's field
constexpr std::size_t kSecretaryEmailLength = 50;    // the group-file dialog's field
constexpr int kMaxMargin = 1000;                     // ten inches; more is no margin

// Every number into its range, every text cut to its field.
void clampSettings(Settings& settings);

// The language code of this build (string 1198). Behaviour that differs
// between builds is keyed by it.
std::string buildLanguageCode();

// Every value of the settings table with its default. The dialing flag is
// not read (every run starts without dialing); the custom category name is
// cut to 15 characters; sorting by first name is kept only in the "ptg"
// build.
void readSettings(const ProfileFile& profile, Settings& settings, std::string_view languageCode);
// Every value in the table's order, then "Early"/"Year" and "Early"/"Month"
// from the ReportMonth. The file itself is written by ProfileFile::save.
void writeSettings(ProfileFile& profile, const Settings& settings, const ReportMonth& month,
                   std::string_view languageCode);

// The document's settings from and to its profile file; writeSettings
// writes through the data folder, so a save commits it with the rest.
void readSettings(CVelnoDoc& doc);
FileResult writeSettings(CVelnoDoc& doc);

// The early start of the next month at start-up: before the 25th it is
// forgotten, in memory and in the file (written at once); from the 25th
// the stored values are taken unless the ReportMonth already has one. A
// stored month that does not lie after today's month is out of date (the
// program was not run before the 25th in between) and is ignored, as is
// one that is not a real month.
// The forgetting is written through `folder` when given (held with the load).
void applyEarlyOverride(ProfileFile& profile, ReportMonth& month, const CalendarDate& today,
                        const DataFolder* folder = nullptr);

// Command 32843: sorting by first name. Switching it on also switches the
// printed lists to first name first (view option byte 0). The store is
// sorted again and the document marked modified.
void setSortByFirstName(CVelnoDoc& doc, bool on);

}  // namespace velno
