#include "store/Snapshots.h"

#include <sys/stat.h>

#include <ctime>
#include <fstream>
#include <system_error>

#include "store/BackupCatalogue.h"
#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"

namespace velno {

namespace fs = std::filesystem;

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
    const fs::path main = DataFolder(snapshotFolder(dataFolder, monthNumber)).resolve("tdat9.bin");
    std::error_code ec;
    const auto size = fs::file_size(main, ec);
    if (ec || size <= 500 || !std::ifstream(main)) return false;
    struct stat st {};
    if (::stat(main.c_str(), &st) != 0) return false;
    std::tm local{};
    localtime_r(&st.st_mtime, &local);
    return (local.tm_year + 1900 - 2000) >= (reportYear - 2000);
}

bool takeSnapshot(CVelnoDoc& doc, int month0) {
    const int n = month0 > 0 ? month0 : 12;
    const fs::path data = doc.folder().path();
    if (isSnapshotFresh(data, n, doc.reportMonth().reportYear())) return false;
    const fs::path target = snapshotFolder(data, n);
    std::error_code ec;
    fs::create_directories(target, ec);  // a failure shows as a missing snapshot
    const DataFolder to(target);
    for (const auto& name : setFileList()) {
        const auto file = doc.folder().read(name, std::size_t{64} << 20);
        if (!file.found || file.truncated) continue;
        to.write(name, file.bytes);
    }
    const ReportMonth& m = doc.reportMonth();
    const std::string label =
        text::utf8ToCp1252(text::formatPrintf("%s %d %d (Roll)",
                                              text::monthName(m.todayMonth - 1).c_str(), m.todayDay,
                                              m.todayYear))
            .bytes;
    BackupCatalogue::add(doc.folder(), label, target);
    doc.dirty = true;
    return true;
}

unsigned snapshotAvailability(const CVelnoDoc& doc) {
    unsigned mask = 0;
    for (int k = 1; k <= 6; ++k) {
        int n = doc.reportMonth().reportMonth0 + 1 - k;
        if (n <= 0) n += 12;
        const fs::path main =
            DataFolder(snapshotFolder(doc.folder().path(), n)).resolve("tdat9.bin");
        if (std::ifstream(main)) mask |= 1u << k;
    }
    return mask;
}

}  // namespace velno
