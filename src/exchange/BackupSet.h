#pragma once
// Backup sets: a dated copy of the data folder's set files and its
// month-end snapshots ("Vn9_1405_2026Dec07"), and the in-memory image of
// such a set that a backup and a restore copy from.

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "store/DataFolder.h"

namespace velno {

class CVelnoDoc;
class FileSystem;

// "Vn9" followed by "_%H%M_20%y%b%d" of the local time.
std::string backupSetName(const std::tm& local);
// The last component of the path begins with "Vn9_".
bool isBackupSet(const std::filesystem::path& folder);
// The catalogue label of a backup: the locale's date, the hour without a
// leading zero, minutes and AM/PM; Windows-1252, at most 51 characters.
std::string backupLabel(const std::tm& local);
// The folder's set files summed (a missing file counts 0), times seven:
// the folder itself and up to six snapshot months.
std::uintmax_t requiredBackupSpace(const DataFolder& folder);
// The month numbers (1..12) of the snapshot bits 1..6, counted back from
// the report month (0 = January), in that order.
std::vector<int> snapshotMonths(unsigned availability, int reportMonth0);
// The six month numbers before the report month, nearest first.
std::vector<int> previousSixMonths(int reportMonth0);

// The files of one set as read into memory: names relative to the set
// ("tdat9.bin", "Roll/Vn9_3/tdat9.bin").
struct SetImage {
    std::vector<std::pair<std::string, Bytes>> files;
    std::vector<int> months;  // snapshot months held
    bool hasRoll = false;     // the set has a Roll folder
    bool has(const std::string& name) const;
};

// Reads the set files of `folder` and, of `months`, those whose
// Roll/Vn9_m/tdat9.bin exists. False when a file exists but cannot be read
// whole (its name and the reason are given).
bool readSetImage(const std::filesystem::path& folder, const std::vector<int>& months,
                  SetImage& image, std::string& failedFile, std::string& reason);

struct BackupOutcome {
    enum class Status { Made, SameMinute, SaveFailed, CannotCreate, WriteFailed, CheckFailed };
    Status status = Status::Made;
    std::filesystem::path set;
    std::vector<std::string> files;  // set files copied
    std::vector<int> snapshots;      // snapshot months copied
    std::string label;               // UTF-8
    std::uintmax_t requiredBytes = 0;
    std::string message;  // UTF-8, for the user
    bool made() const { return status == Status::Made; }
};

struct BackupOptions {
    std::time_t now = 0;
    // Null: the system's.
    FileSystem* fileSystem = nullptr;
    // The progress line, before each file (UTF-8).
    std::function<void(const std::string&)> progress;
};

// Saves the document, copies its set files and snapshot months into a new
// set in `target`, flushed and read back from the disk and compared. Only a
// set that compares equal gets a catalogue entry and becomes "Backup"/"Path"
// and "Backup"/"Last"; one that does not is removed.
BackupOutcome makeBackup(CVelnoDoc& doc, const std::filesystem::path& target,
                         const BackupOptions& options);

// The automatic backup at the end of a run ("Backup"/"Auto", off by
// default): a set like any other, marked as made automatically, of which
// the newest "Backup"/"AutoKeep" (default 10) are kept. Sets made by hand
// are never removed.
constexpr const char* kAutomaticMark = "velno-auto";
bool automaticBackupEnabled(const CVelnoDoc& doc);
void setAutomaticBackup(CVelnoDoc& doc, bool on);
int automaticBackupsKept(const CVelnoDoc& doc);
BackupOutcome makeAutomaticBackup(CVelnoDoc& doc, const BackupOptions& options);
// The document's closing step once the disk holds every change: an automatic
// set when the setting is on, stamped with the minute it is made.
void backUpAtExit(CVelnoDoc& doc);

// "Backup"/"Path" as the dialog offers it: the saved folder when it still
// exists, else the data folder.
std::filesystem::path backupTargetSetting(const CVelnoDoc& doc);

// Before an import: when no backup was made today ("Backup"/"Last"), asks
// whether to back up; on Yes saves and calls `runBackup`. The caller goes on
// either way.
void offerBackup(CVelnoDoc& doc, const std::tm& today, const std::function<void()>& runBackup);

}  // namespace velno
