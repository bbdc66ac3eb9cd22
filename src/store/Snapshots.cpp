#include "store/Snapshots.h"

#include <sys/stat.h>

#include <ctime>
#include <system_error>

#include "store/CVelnoDoc.h"
#include "store/files/BackupCatalogue.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"

namespace velno {

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t kFreshMinimum = 500;

fs::path snapshotMainFile(const fs::path& dataFolder, int monthNumber) {
    return DataFolder(snapshotFolder(dataFolder, monthNumber)).resolve("tdat9.bin");
}

}  // namespace

const std::vector<std::string>& setFileList() {
    static const std::vector<std::string> files{
        "tdat9.bin",  "xten7.dat",   "remark9.dat", "tappt.dat",   "emerg.dat",   "tcard.dat",
        "spneed.dat", "velnoin.ini", "vnxcfg.cfg",  "bkstudy.dat", "meetin9.dat", "tlt15.dat"};
    return files;
}

fs::path snapshotFolder(const fs::path& dataFolder, int monthNumber) {
    const fs::path roll = DataFolder(dataFolder).resolve("Roll");
    return DataFolder(roll).resolve("Vn9_" + std::to_string(monthNumber));
}

bool isSnapshotFresh(const fs::path& dataFolder, int monthNumber, int reportYear) {
    const fs::path main = snapshotMainFile(dataFolder, monthNumber);
    std::error_code ec;
    if (!fs::is_regular_file(main, ec)) return false;
    const auto size = fs::file_size(main, ec);
    if (ec || size <= kFreshMinimum) return false;
    struct stat st {};
    if (::stat(main.c_str(), &st) != 0) return false;
    std::tm local{};
    localtime_r(&st.st_mtime, &local);
    return local.tm_year + 1900 >= reportYear;
}

bool takeSnapshot(CVelnoDoc& doc, int month0) {
    // The month being opened belongs to the live data; an open snapshot is
    // never copied over another.
    if (doc.oldYearView) return false;
    const int n = month0 > 0 ? month0 : 12;
    const fs::path data = doc.folder().path();
    if (isSnapshotFresh(data, n, doc.reportMonth().reportYear())) return false;
    const fs::path target = snapshotFolder(data, n);
    // Written through the data folder's writer: the snapshot and its
    // catalogue entry are committed together (with the month's other
    // changes when they are held), its folders made owner-only, never
    // through a link.
    const DataFolder& folder = doc.folder();
    const bool held = folder.holdingWrites();
    folder.holdWrites();
    const std::string into = target.lexically_relative(data).string() + "/";
    FileResult r;
    for (const auto& name : setFileList()) {
        if (!r) break;
        const auto file = folder.read(name, std::size_t{64} << 20);
        // A copy left from an older snapshot would mix that year's groups
        // or marks into this one.
        if (!file.found)
            r = folder.remove(into + name);
        else if (!file.truncated)
            r = folder.write(into + name,
                             file.bytes);  // new files: the freshness test reads their time
    }
    const ReportMonth& m = doc.reportMonth();
    const std::string label =
        text::utf8ToCp1252(text::formatPrintf("%s %d %d (Roll)",
                                              text::monthName(m.todayMonth - 1).c_str(), m.todayDay,
                                              m.todayYear))
            .bytes;
    if (r) r = BackupCatalogue::add(folder, label, target);
    if (!held) {
        if (r) {
            r = folder.commitHeld();
        } else {
            folder.discardHeld();
        }
    }
    // A failure shows as a missing snapshot, and is told.
    doc.reportWriteFailure(r);
    doc.dirty = true;
    return r.ok();
}

unsigned snapshotAvailability(const CVelnoDoc& doc) {
    // Counted from the live data, also while a snapshot is open.
    const bool old = doc.oldYearView;
    const fs::path live = old ? doc.oldReportView().liveFolder : doc.folder().path();
    const int month0 =
        old ? doc.oldReportView().liveMonth.reportMonth0 : doc.reportMonth().reportMonth0;
    unsigned mask = 0;
    for (int k = 1; k <= 6; ++k) {
        int n = month0 + 1 - k;
        if (n <= 0) n += 12;
        std::error_code ec;
        if (fs::is_regular_file(snapshotMainFile(live, n), ec)) mask |= 1u << k;
    }
    return mask;
}

}  // namespace velno
