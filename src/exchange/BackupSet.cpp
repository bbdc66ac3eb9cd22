#include "exchange/BackupSet.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "store/CVelnoDoc.h"
#include "store/FileSystem.h"
#include "store/Snapshots.h"
#include "store/files/BackupCatalogue.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/ExchangeTexts.h"

namespace velno {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kFileLimit = std::size_t{64} << 20;
constexpr std::size_t kLabelLength = 51;

// The formats are this file's own literals.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
std::string formatTime(const char* format, const std::tm& local) {
    char buffer[128];
    const std::size_t n = std::strftime(buffer, sizeof buffer, format, &local);
    return std::string(buffer, n);
}
#pragma GCC diagnostic pop

std::string monthFolder(int month) {
    return "Roll/Vn9_" + std::to_string(month);
}

// Reads a file as the medium holds it: the cached pages are dropped first,
// so that the comparison after a copy sees what was really written.
bool readFromMedium(const fs::path& path, Bytes& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return false;
    (void)::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    bytes.clear();
    std::uint8_t chunk[65536];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        bytes.insert(bytes.end(), chunk, chunk + n);
        if (bytes.size() > kFileLimit) {
            ok = false;
            break;
        }
    }
    ::close(fd);
    return ok;
}

std::string utf8(const std::string& cp1252) {
    return text::cp1252ToUtf8(cp1252);
}

}  // namespace

std::string backupSetName(const std::tm& local) {
    return "Vn9" + formatTime("_%H%M_20%y%b%d", local);
}

bool isBackupSet(const fs::path& folder) {
    fs::path p = folder;
    if (!p.has_filename()) p = p.parent_path();
    return p.filename().string().rfind("Vn9_", 0) == 0;
}

std::string backupLabel(const std::tm& local) {
    int hour = local.tm_hour % 12;
    if (hour == 0) hour = 12;
    const std::string label =
        formatTime("%x ", local) + std::to_string(hour) + formatTime(":%M %p", local);
    std::string bytes = text::utf8ToCp1252(label).bytes;
    if (bytes.size() > kLabelLength) bytes.resize(kLabelLength);
    return bytes;
}

std::uintmax_t requiredBackupSpace(const DataFolder& folder) {
    std::uintmax_t sum = 0;
    for (const auto& name : setFileList()) sum += folder.size(name).value_or(0);
    return sum * 7;
}

std::vector<int> previousSixMonths(int reportMonth0) {
    std::vector<int> months;
    for (int i = 1; i <= 6; ++i) {
        int m = reportMonth0 - i + 1;
        if (reportMonth0 - i < 0) m += 12;
        months.push_back(m);
    }
    return months;
}

std::vector<int> snapshotMonths(unsigned availability, int reportMonth0) {
    std::vector<int> months;
    const auto six = previousSixMonths(reportMonth0);
    for (int i = 1; i <= 6; ++i)
        if (availability & (1u << i)) months.push_back(six[static_cast<std::size_t>(i - 1)]);
    return months;
}

bool SetImage::has(const std::string& name) const {
    return std::any_of(files.begin(), files.end(), [&](const auto& f) { return f.first == name; });
}

bool readSetImage(const fs::path& folder, const std::vector<int>& months, SetImage& image,
                  std::string& failedFile, std::string& reason) {
    image = {};
    const DataFolder source(folder);
    auto take = [&](const std::string& name) {
        const auto r = source.read(name, kFileLimit);
        if (r.error || r.truncated) {
            failedFile = name;
            reason = r.error ? r.reason : std::system_category().message(EFBIG);
            return false;
        }
        if (r.found) image.files.emplace_back(name, r.bytes);
        return true;
    };
    for (const auto& name : setFileList())
        if (!take(name)) return false;
    std::error_code ec;
    image.hasRoll = fs::is_directory(source.resolve("Roll"), ec);
    if (!image.hasRoll) return true;
    for (int m : months) {
        const std::string dir = monthFolder(m) + "/";
        if (!source.exists(dir + "tdat9.bin")) continue;
        image.months.push_back(m);
        for (const auto& name : setFileList())
            if (!take(dir + name)) return false;
    }
    return true;
}

fs::path backupTargetSetting(const CVelnoDoc& doc) {
    const fs::path data = doc.oldYearView ? doc.oldReportView().liveFolder : doc.folder().path();
    const std::string saved = doc.profile().getString("Backup", "Path", "");
    std::error_code ec;
    if (!saved.empty() && fs::is_directory(saved, ec)) return fs::path(saved);
    return data;
}

BackupOutcome makeBackup(CVelnoDoc& doc, const fs::path& target, const BackupOptions& options) {
    BackupOutcome out;
    using Status = BackupOutcome::Status;
    auto failed = [&](Status status, std::string message) {
        out.status = status;
        out.message = std::move(message);
        doc.prompter().tell(out.message, Icon::Error);
        return out;
    };
    // An open snapshot is not the live data; the commands are off then.
    if (doc.oldYearView) return failed(Status::SaveFailed, text::tr(text::TxBackupSaveFailed));
    const DataFolder& data = doc.folder();
    out.requiredBytes = requiredBackupSpace(data);

    // 1. What the set holds is what is on disk: save first.
    const SaveOutcome saved = doc.saveAll();
    if (saved == SaveOutcome::PartlyFailed || saved == SaveOutcome::Refused)
        return failed(Status::SaveFailed, text::tr(text::TxBackupSaveFailed));

    // 2, 3. The folder of this minute; it existing means a backup this minute.
    std::tm local{};
    localtime_r(&options.now, &local);
    out.set = target / backupSetName(local);
    FileSystem& system = options.fileSystem ? *options.fileSystem : systemFileSystem();
    if (const int error = system.makeDirectory(out.set.string())) {
        if (error == EEXIST) {
            out.status = Status::SameMinute;
            out.message = text::tr(text::TxSameMinute);
            return out;
        }
        return failed(Status::CannotCreate,
                      text::arg(text::tr(text::TxBackupCannotCreate), out.set.string(),
                                std::system_category().message(error)));
    }

    // 4, 5. The set files and the snapshot months, read whole first.
    SetImage image;
    std::string badFile, reason;
    const auto months = snapshotMonths(snapshotAvailability(doc), doc.reportMonth().reportMonth0);
    auto removeSet = [&] {
        std::error_code ec;
        fs::remove_all(out.set, ec);
    };
    if (!readSetImage(data.path(), months, image, badFile, reason)) {
        removeSet();
        return failed(Status::WriteFailed,
                      text::arg(text::tr(text::TxBackupWriteFailed), badFile, reason));
    }
    DataFolder set(out.set);
    set.setFileSystem(options.fileSystem);
    set.holdWrites();
    FileResult r;
    for (const auto& [name, bytes] : image.files) {
        if (options.progress) options.progress(text::arg(text::tr(text::TxBackingUpFile), name));
        if (r) r = set.write(name, bytes);
    }
    if (r) r = set.commitHeld();
    if (!r) {
        set.discardHeld();
        removeSet();
        return failed(Status::WriteFailed,
                      text::arg(text::tr(text::TxBackupWriteFailed), r.file, r.reason));
    }
    // The copies as the medium holds them must equal the data.
    for (const auto& [name, bytes] : image.files) {
        Bytes back;
        if (!readFromMedium(set.resolve(name), back) || back != bytes) {
            removeSet();
            return failed(Status::CheckFailed,
                          text::arg(text::tr(text::TxBackupCheckFailed), name, out.set.string()));
        }
    }
    for (const auto& [name, bytes] : image.files)
        if (name.find('/') == std::string::npos) out.files.push_back(name);
    out.snapshots = image.months;

    // 6, 7. The catalogue entry and the settings, in one commit.
    const std::string label = backupLabel(local);
    out.label = utf8(label);
    const bool held = data.holdingWrites();
    data.holdWrites();
    (void)BackupCatalogue::add(data, label, out.set);
    doc.profile().setString("Backup", "Path", target.string());
    doc.profile().setString("Backup", "Last", formatTime("%Y-%m-%d", local));
    (void)doc.profile().save(&data);
    if (!held) {
        // The set is made either way; a lost entry is only a shorter list.
        if (const FileResult c = data.commitHeld(); !c) doc.reportWriteFailure(c);
    }
    out.status = Status::Made;
    return out;
}

bool automaticBackupEnabled(const CVelnoDoc& doc) {
    return doc.profile().getInt("Backup", "Auto", 0) == 1;
}

void setAutomaticBackup(CVelnoDoc& doc, bool on) {
    doc.profile().setInt("Backup", "Auto", on ? 1 : 0);
    doc.reportWriteFailure(doc.profile().save(&doc.folder()));
}

int automaticBackupsKept(const CVelnoDoc& doc) {
    const int keep = doc.profile().getInt("Backup", "AutoKeep", 10);
    return keep < 1 ? 1 : keep;
}

BackupOutcome makeAutomaticBackup(CVelnoDoc& doc, const BackupOptions& options) {
    const fs::path target = backupTargetSetting(doc);
    BackupOutcome out = makeBackup(doc, target, options);
    if (!out.made()) return out;
    const DataFolder set(out.set);
    const char mark[] = "automatic\n";
    if (!set.write(kAutomaticMark, mark, sizeof mark - 1)) return out;
    // The newest automatic sets stay; a set without the mark is the user's.
    std::vector<std::pair<fs::file_time_type, fs::path>> automatic;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(target, ec)) {
        if (!e.is_directory(ec) || e.is_symlink(ec) || !isBackupSet(e.path())) continue;
        const fs::path marker = e.path() / kAutomaticMark;
        if (!fs::is_regular_file(fs::symlink_status(marker, ec))) continue;
        automatic.emplace_back(fs::last_write_time(marker, ec), e.path());
    }
    std::sort(automatic.begin(), automatic.end(), std::greater<>());
    for (std::size_t i = static_cast<std::size_t>(automaticBackupsKept(doc)); i < automatic.size();
         ++i)
        fs::remove_all(automatic[i].second, ec);
    return out;
}

void backUpAtExit(CVelnoDoc& doc) {
    if (!automaticBackupEnabled(doc)) return;
    BackupOptions options;
    options.now = std::time(nullptr);
    // A set that could not be made is reported by makeBackup itself.
    (void)makeAutomaticBackup(doc, options);
}

void offerBackup(CVelnoDoc& doc, const std::tm& today, const std::function<void()>& runBackup) {
    if (doc.profile().getString("Backup", "Last", "") == formatTime("%Y-%m-%d", today)) return;
    if (doc.prompter().ask(text::tr(text::TxOfferBackup), Buttons::YesNo, Answer::Yes,
                           Icon::Question) != Answer::Yes)
        return;
    const SaveOutcome saved = doc.saveAll();
    if (saved == SaveOutcome::PartlyFailed || saved == SaveOutcome::Refused) return;
    if (runBackup) runBackup();
}

}  // namespace velno
