#pragma once
// Month-end snapshots: Roll/Vn9_n holds the data files as they stood when
// the collection of month n (1..12) ended.

#include <filesystem>
#include <string>
#include <vector>

#include "store/DataFolder.h"

namespace velno {

class CVelnoDoc;

// The files of a data set, in the order they are copied.
const std::vector<std::string>& setFileList();

// Roll/Vn9_n under the data folder.
std::filesystem::path snapshotFolder(const std::filesystem::path& dataFolder, int monthNumber);

// The snapshot's main file is readable, larger than 500 bytes and was
// last written in a year at least the report year.
bool isSnapshotFresh(const std::filesystem::path& dataFolder, int monthNumber, int reportYear);

// Takes the snapshot for the month being opened (month0 0 is stored as
// month 12) unless a fresh one exists: copies the set files (a file the
// data folder lacks is removed from the snapshot), records it in the backup
// catalogue and marks the document modified. Returns whether one was
// written; never while a snapshot is open.
bool takeSnapshot(CVelnoDoc& doc, int month0);

// Bit k (1..6) set when the snapshot of the month k months before the
// live report month exists (also while a snapshot is open).
unsigned snapshotAvailability(const CVelnoDoc& doc);

}  // namespace velno
