#include "store/DataFolder.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <random>
#include <system_error>

#include "store/FileSystem.h"
#include "text/StringTable.h"
#include "text/texts/StoreTexts.h"

namespace velno {

namespace fs = std::filesystem;

namespace {

constexpr const char* kRecordHead = "velno-commit 1";
constexpr const char* kRecordEnd = "end";
constexpr std::size_t kRecordLimit = std::size_t{1} << 20;

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string systemReason(int error) {
    return std::system_category().message(error);
}

// Unique within the folder: a planted name can only make the exclusive
// create fail, never be written through.
std::string uniqueSuffix() {
    static std::mt19937_64 random{std::random_device{}() ^
                                  (static_cast<std::uint64_t>(::getpid()) << 32)};
    static const char* digits = "0123456789abcdef";
    std::uint64_t n = random();
    std::string s(16, '0');
    for (char& c : s) {
        c = digits[n & 15];
        n >>= 4;
    }
    return s;
}

// A name the commit record may hold: relative, inside the folder.
bool isSafeName(const std::string& name) {
    if (name.empty() || name.front() == '/' || name.find_first_of("\t\r\n") != std::string::npos)
        return false;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find('/', start);
        if (end == std::string::npos) end = name.size();
        const std::string part = name.substr(start, end - start);
        if (part.empty() || part == "." || part == "..") return false;
        start = end + 1;
    }
    return true;
}

std::vector<std::string> splitLines(const Bytes& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (std::uint8_t b : bytes) {
        if (b == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line.push_back(static_cast<char>(b));
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

bool isRegular(const fs::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isLinkOrMissing(const fs::path& path, bool& missing) {
    struct stat st {};
    missing = ::lstat(path.c_str(), &st) != 0;
    return !missing && S_ISLNK(st.st_mode);
}

}  // namespace

FileResult FileResult::failure(std::string file, int error, std::string reason) {
    FileResult r;
    r.file = std::move(file);
    r.error = error ? error : EIO;
    r.reason = reason.empty() ? systemReason(r.error) : std::move(reason);
    return r;
}

FileResult writeFileAtomically(const fs::path& path, const void* data, std::size_t size) {
    const DataFolder folder(path.parent_path());
    return folder.write(path.filename().string(), data, size);
}

FileSystem& DataFolder::fs() const {
    return fs_ ? *fs_ : systemFileSystem();
}

void DataFolder::setPath(fs::path folder) {
    if (folder == folder_) return;  // the same folder keeps what it holds
    folder_ = std::move(folder);
    held_.clear();
    heldFailure_ = {};
    pending_.reset();
    readFailures_.clear();
    keepOnReplace_.clear();
    kept_.clear();
}

void DataFolder::startLoad() {
    pending_.reset();
    readFailures_.clear();
    keepOnReplace_.clear();
    kept_.clear();
}

void DataFolder::setMemoryOnly(bool memoryOnly) {
    memoryOnly_ = memoryOnly;
    if (memoryOnly) holding_ = true;
}

fs::path DataFolder::resolve(const std::string& name) const {
    fs::path at = folder_;
    std::size_t start = 0;
    while (start < name.size()) {
        std::size_t end = name.find('/', start);
        if (end == std::string::npos) end = name.size();
        const std::string part = name.substr(start, end - start);
        start = end + 1;
        const fs::path exact = at / part;
        std::error_code ec;
        if (fs::exists(fs::symlink_status(exact, ec))) {
            at = exact;
            continue;
        }
        fs::path found = exact;
        for (const auto& entry : fs::directory_iterator(at, ec)) {
            if (equalsIgnoringCase(entry.path().filename().string(), part)) {
                found = entry.path();
                break;
            }
        }
        at = found;
    }
    return at;
}

std::string DataFolder::relative(const fs::path& full) const {
    return full.lexically_relative(folder_).string();
}

const DataFolder::Staged* DataFolder::staged(const std::string& name) const {
    for (auto it = held_.rbegin(); it != held_.rend(); ++it)
        if (equalsIgnoringCase(it->name, name)) return &*it;
    return nullptr;
}

void DataFolder::stage(Staged s) const {
    std::erase_if(held_, [&](const Staged& h) { return equalsIgnoringCase(h.name, s.name); });
    held_.push_back(std::move(s));
}

FileResult DataFolder::refused(const std::string& name) const {
    return FileResult::failure(name, EROFS);
}

bool DataFolder::exists(const std::string& name) const {
    if (const Staged* s = staged(name)) return s->kind != Kind::Remove;
    if (pending_) {
        for (const auto& [temp, final] : pending_->replace)
            if (equalsIgnoringCase(final, name) && isRegular(folder_ / temp)) return true;
        for (const auto& final : pending_->remove)
            if (equalsIgnoringCase(final, name)) return false;
    }
    std::error_code ec;
    return fs::is_regular_file(resolve(name), ec);
}

std::optional<std::uintmax_t> DataFolder::size(const std::string& name) const {
    if (const Staged* s = staged(name)) {
        if (s->kind == Kind::Remove) return std::nullopt;
        if (s->kind == Kind::Replace) return s->bytes.size();
    }
    // Measured by opening, which also notes a file that is there but
    // cannot be read.
    const Staged* s = staged(name);
    fs::path path = s ? fs::path(s->source) : resolve(name);
    if (!s && pending_) {
        for (const auto& [temp, final] : pending_->replace)
            if (equalsIgnoringCase(final, name) && isRegular(folder_ / temp)) path = folder_ / temp;
        for (const auto& final : pending_->remove)
            if (equalsIgnoringCase(final, name)) return std::nullopt;
    }
    int fd = -1;
    int error = fs().openForReading(path.string(), fd);
    if (error == ENOENT || error == ENOTDIR) return std::nullopt;
    struct stat st {};
    std::string reason;
    if (!error && ::fstat(fd, &st) != 0) error = errno;
    if (!error && !S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        reason = text::tr(text::TxNotARegularFile);
    }
    if (fd >= 0) ::close(fd);
    if (error) {
        noteReadFailure(name, error, reason.empty() ? systemReason(error) : reason);
        return std::nullopt;
    }
    return static_cast<std::uintmax_t>(st.st_size);
}

void DataFolder::noteReadFailure(const std::string& name, int error, std::string reason) const {
    const bool known = std::any_of(readFailures_.begin(), readFailures_.end(),
                                   [&](const ReadFailure& f) { return f.file == name; });
    if (!known) readFailures_.push_back({name, error, std::move(reason)});
}

DataFolder::ReadResult DataFolder::readDisk(const fs::path& full, const std::string& name,
                                            std::size_t maxBytes, bool note) const {
    ReadResult result;
    int fd = -1;
    int error = fs().openForReading(full.string(), fd);
    std::string reason;
    if (error == ENOENT || error == ENOTDIR) return result;  // missing
    struct stat st {};
    if (!error && ::fstat(fd, &st) != 0) error = errno;
    if (!error && !S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        reason = text::tr(text::TxNotARegularFile);
    }
    if (!error) {
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uintmax_t>(st.st_size, maxBytes));
        result.bytes.resize(want + 1);
        std::size_t got = 0;
        while (got < want + 1) {
            const ssize_t n = ::read(fd, result.bytes.data() + got, want + 1 - got);
            if (n < 0) {
                if (errno == EINTR) continue;
                error = errno;
                break;
            }
            if (n == 0) break;
            got += static_cast<std::size_t>(n);
        }
        // A file that grew while read is cut at the limit like a long one.
        result.truncated = got > maxBytes;
        result.bytes.resize(std::min(got, maxBytes));
    }
    if (fd >= 0) ::close(fd);
    if (error) {
        result.bytes.clear();
        result.truncated = false;
        result.error = error;
        result.reason = reason.empty() ? systemReason(error) : reason;
        if (note) noteReadFailure(name, error, result.reason);
        return result;
    }
    result.found = true;
    return result;
}

DataFolder::ReadResult DataFolder::read(const std::string& name, std::size_t maxBytes) const {
    if (const Staged* s = staged(name)) {
        if (s->kind == Kind::Remove) return {};
        if (s->kind == Kind::LinkFrom) return readDisk(s->source, name, maxBytes, true);
        ReadResult r;
        r.found = true;
        r.truncated = s->bytes.size() > maxBytes;
        r.bytes.assign(s->bytes.begin(), s->bytes.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                                s->bytes.size(), maxBytes)));
        return r;
    }
    if (pending_) {
        for (const auto& [temp, final] : pending_->replace)
            // A temporary renamed before the interruption is the file itself.
            if (equalsIgnoringCase(final, name) && isRegular(folder_ / temp))
                return readDisk(folder_ / temp, name, maxBytes, true);
        for (const auto& final : pending_->remove)
            if (equalsIgnoringCase(final, name)) return {};
    }
    return readDisk(resolve(name), name, maxBytes, true);
}

FileResult DataFolder::hooked(const std::string& name) const {
    if (!writeHook_ || writeHook_(name)) return {};
    // A held write that fails fails the whole commit.
    FileResult failed = FileResult::failure(name, EIO);
    if (holding_ && heldFailure_.ok()) heldFailure_ = failed;
    return failed;
}

FileResult DataFolder::stageOrCommit(Staged s) const {
    if (holding_) {
        stage(std::move(s));
        return {};
    }
    std::vector<Staged> one;
    one.push_back(std::move(s));
    return commit(std::move(one));
}

FileResult DataFolder::write(const std::string& name, const void* data, std::size_t size) const {
    if (readOnly_) return refused(name);
    Staged s;
    s.name = name;
    const auto* p = static_cast<const std::uint8_t*>(data);
    s.bytes.assign(p, p + size);
    if (FileResult r = hooked(name); !r) return r;
    return stageOrCommit(std::move(s));
}

FileResult DataFolder::remove(const std::string& name) const {
    if (readOnly_) return refused(name);
    Staged s;
    s.name = name;
    s.kind = Kind::Remove;
    return stageOrCommit(std::move(s));
}

FileResult DataFolder::copy(const std::string& from, const std::string& to) const {
    if (readOnly_) return refused(to);
    if (FileResult r = hooked(to); !r) return r;
    Staged s;
    s.name = to;
    const Staged* source = staged(from);
    bool pendingSource = false;
    if (pending_)
        for (const auto& [temp, final] : pending_->replace)
            pendingSource |= equalsIgnoringCase(final, from) && isRegular(folder_ / temp);
    if (source && source->kind == Kind::Remove) return FileResult::failure(from, ENOENT);
    if (source && source->kind == Kind::Replace) {
        s.bytes = source->bytes;
    } else if (source) {
        s.kind = Kind::LinkFrom;
        s.source = source->source;
    } else if (pendingSource) {
        // The pending file is renamed before any link is made: copy its bytes.
        const auto r = read(from, std::size_t{64} << 20);
        if (!r.found || r.truncated) return FileResult::failure(from, r.error ? r.error : ENOENT);
        s.bytes = r.bytes;
    } else {
        const fs::path path = resolve(from);
        std::error_code ec;
        if (!fs::is_regular_file(fs::symlink_status(path, ec)))
            return FileResult::failure(from, ENOENT);
        // No file here is ever changed in place (every write replaces it), so
        // a second name for the source is a whole, already flushed copy.
        s.kind = Kind::LinkFrom;
        s.source = path.string();
    }
    return stageOrCommit(std::move(s));
}

FileResult DataFolder::rename(const std::string& from, const std::string& to) const {
    if (readOnly_) return refused(to);
    const bool wasHolding = holding_;
    holdWrites();
    FileResult r = copy(from, to);
    if (r) r = remove(from);
    if (wasHolding) return r;
    if (!r) {
        discardHeld();
        return r;
    }
    return commitHeld();
}

FileResult DataFolder::commitHeld() const {
    if (memoryOnly_) return {};
    holding_ = false;
    std::vector<Staged> staged = std::move(held_);
    held_.clear();
    const FileResult failed = heldFailure_;
    heldFailure_ = {};
    if (!failed) return failed;
    // Even with nothing to write, an interrupted commit is finished now.
    if (staged.empty())
        return readOnly_ || !readFailures_.empty() ? FileResult{} : completePending();
    return commit(std::move(staged));
}

void DataFolder::discardHeld() const {
    held_.clear();
    heldFailure_ = {};
    holding_ = memoryOnly_;
}

void DataFolder::keepOriginalOnReplace(const std::string& name, const std::string& keepName) {
    keepOnReplace_.emplace_back(name, keepName);
}

std::vector<std::pair<std::string, std::string>> DataFolder::takeKeptOriginals() const {
    return std::exchange(kept_, {});
}

void DataFolder::recover() const {
    pending_.reset();
    // Ours is a regular file; a link could point anywhere.
    if (!isRegular(folder_ / kCommitRecord)) return;
    const auto file = readDisk(folder_ / kCommitRecord, kCommitRecord, kRecordLimit, false);
    if (!file.found) return;
    const auto lines = splitLines(file.bytes);
    // Written whole and renamed into place, so anything else is not ours.
    if (lines.size() < 2 || lines.front() != kRecordHead || lines.back() != kRecordEnd) return;
    Record record;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.size() > 2 && line[0] == 'R' && line[1] == '\t') {
            const auto tab = line.find('\t', 2);
            if (tab == std::string::npos) return;
            std::string temp = line.substr(2, tab - 2);
            std::string final = line.substr(tab + 1);
            if (!isSafeName(temp) || !isSafeName(final) ||
                temp.rfind(final + kTemporaryMark, 0) != 0)
                return;
            record.replace.emplace_back(std::move(temp), std::move(final));
        } else if (line.size() > 2 && line[0] == 'D' && line[1] == '\t') {
            std::string final = line.substr(2);
            if (!isSafeName(final)) return;
            record.remove.push_back(std::move(final));
        } else {
            return;
        }
    }
    pending_ = std::move(record);
}

FileResult DataFolder::completePending() const {
    FileSystem& f = fs();
    const fs::path recordPath = folder_ / kCommitRecord;
    if (!pending_) {
        recover();
        bool missing = true;
        isLinkOrMissing(recordPath, missing);
        if (!pending_ && !missing) {
            // A record that is not whole was never committed: nothing to finish.
            const int error = f.unlink(recordPath.string());
            if (error && error != ENOENT) return FileResult::failure(kCommitRecord, error);
        }
    }
    if (pending_) {
        std::vector<std::string> dirs{folder_.string()};
        for (const auto& [temp, final] : pending_->replace) {
            const fs::path from = folder_ / temp;
            struct stat st {};
            if (::lstat(from.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;  // done before
            const fs::path to = folder_ / final;
            // Its folders may have been swapped for links since.
            if (const FileResult r = makeParents(final, dirs); !r) return r;
            if (const int error = f.rename(from.string(), to.string()))
                return FileResult::failure(final, error);
            dirs.push_back(to.parent_path().string());
        }
        for (const auto& final : pending_->remove) {
            const int error = f.unlink((folder_ / final).string());
            if (error && error != ENOENT) return FileResult::failure(final, error);
        }
        std::sort(dirs.begin(), dirs.end());
        dirs.erase(std::unique(dirs.begin(), dirs.end()), dirs.end());
        for (const auto& dir : dirs)
            if (const int error = f.flushDirectory(dir))
                return FileResult::failure(relative(dir), error);
        if (const int error = f.unlink(recordPath.string()); error && error != ENOENT)
            return FileResult::failure(kCommitRecord, error);
        pending_.reset();
    }
    sweepTemporaries();
    return {};
}

void DataFolder::sweepTemporaries() const {
    // Leftovers of a stopped write: whole or partial copies of personal data.
    auto sweep = [this](const fs::path& dir) {
        DIR* d = ::opendir(dir.c_str());
        if (!d) return;
        while (const dirent* e = ::readdir(d)) {
            const std::string name = e->d_name;
            if (name.find(kTemporaryMark) != std::string::npos) fs().unlink((dir / name).string());
        }
        ::closedir(d);
    };
    sweep(folder_);
    const fs::path roll = resolve("Roll");
    bool missing = true;
    if (isLinkOrMissing(roll, missing) || missing) return;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(roll, ec))
        if (entry.is_directory(ec) && !entry.is_symlink(ec)) sweep(entry.path());
}

FileResult DataFolder::makeParents(const std::string& relativeName,
                                   std::vector<std::string>& flushDirs) const {
    fs::path at = folder_;
    std::size_t start = 0;
    for (std::size_t slash = relativeName.find('/'); slash != std::string::npos;
         slash = relativeName.find('/', start)) {
        at /= relativeName.substr(start, slash - start);
        start = slash + 1;
        struct stat st {};
        if (::lstat(at.c_str(), &st) != 0) {
            if (const int error = fs().makeDirectory(at.string()))
                return FileResult::failure(relative(at), error);
            flushDirs.push_back(at.parent_path().string());
            continue;
        }
        // A folder of ours that is a link would take the data elsewhere.
        if (S_ISLNK(st.st_mode)) return FileResult::failure(relative(at), ELOOP);
        if (!S_ISDIR(st.st_mode)) return FileResult::failure(relative(at), ENOTDIR);
    }
    return {};
}

FileResult DataFolder::commit(std::vector<Staged> staged) const {
    if (readOnly_) return refused(staged.empty() ? std::string() : staged.front().name);
    // Never write over a folder that could not be read whole.
    if (!readFailures_.empty()) return refused(readFailures_.front().file);
    FileSystem& f = fs();
    if (const FileResult r = completePending(); !r) return r;

    Record record;
    std::vector<std::string> created;  // full paths of the temporaries
    std::vector<std::string> dirs;     // folders whose entries change
    auto fail = [&](const std::string& file, int error) {
        for (const auto& temp : created) f.unlink(temp);
        return FileResult::failure(file, error);
    };
    auto writeNew = [&](const std::string& path, const std::string& file, const Bytes& bytes) {
        int fd = -1;
        int error = f.createExclusive(path, fd);
        if (error) return fail(file, error);
        created.push_back(path);
        error = f.writeAll(fd, bytes.data(), bytes.size());
        if (!error) error = f.flush(fd);
        const int closed = f.close(fd);
        if (!error) error = closed;
        return error ? fail(file, error) : FileResult{};
    };

    for (const Staged& s : staged) {
        const fs::path final = resolve(s.name);
        const std::string finalName = relative(final);
        if (!isSafeName(finalName)) return fail(s.name, EINVAL);
        if (s.kind == Kind::Remove) {
            struct stat st {};
            if (::lstat(final.c_str(), &st) == 0) {
                record.remove.push_back(finalName);
                dirs.push_back(final.parent_path().string());
            }
            continue;
        }
        if (const FileResult r = makeParents(finalName, dirs); !r) return fail(r.file, r.error);
        const std::string temp = final.string() + kTemporaryMark + "-" + uniqueSuffix();
        bool linked = false;
        if (s.kind == Kind::LinkFrom) {
            linked = f.link(s.source, temp) == 0;
            if (linked) created.push_back(temp);
        }
        if (!linked) {
            Bytes bytes = s.bytes;
            if (s.kind == Kind::LinkFrom) {
                // Folders that cannot hold links get a written copy.
                const auto r = readDisk(s.source, s.name, std::size_t{64} << 20, false);
                if (!r.found || r.truncated) return fail(s.name, r.error ? r.error : ENOENT);
                bytes = r.bytes;
            }
            if (const FileResult r = writeNew(temp, s.name, bytes); !r) return r;
        }
        record.replace.emplace_back(relative(temp), finalName);
        dirs.push_back(final.parent_path().string());
    }
    if (record.replace.empty() && record.remove.empty()) return {};

    // Damaged originals stay beside their replacement.
    std::vector<std::pair<std::string, std::string>> keptNow;
    for (const auto& [name, keepName] : keepOnReplace_) {
        const std::string finalName = relative(resolve(name));
        const bool replaced =
            std::any_of(record.replace.begin(), record.replace.end(),
                        [&](const auto& r) { return r.second == finalName; }) ||
            std::find(record.remove.begin(), record.remove.end(), finalName) != record.remove.end();
        if (!replaced || !exists(name)) continue;
        const fs::path from = folder_ / finalName;
        const fs::path keep = from.parent_path() / keepName;
        if (const int error = f.link(from.string(), keep.string()); error && error != EEXIST)
            return fail(name, error);
        keptNow.emplace_back(name, keep.filename().string());
    }

    const bool needsRecord = record.replace.size() + record.remove.size() > 1;
    const fs::path recordPath = folder_ / kCommitRecord;
    if (needsRecord) {
        std::string text = std::string(kRecordHead) + "\n";
        for (const auto& [temp, final] : record.replace) text += "R\t" + temp + "\t" + final + "\n";
        for (const auto& final : record.remove) text += "D\t" + final + "\n";
        text += std::string(kRecordEnd) + "\n";
        const std::string temp = recordPath.string() + kTemporaryMark + "-" + uniqueSuffix();
        if (const FileResult r = writeNew(temp, kCommitRecord, Bytes(text.begin(), text.end())); !r)
            return r;
        if (const int error = f.rename(temp, recordPath.string()))
            return fail(kCommitRecord, error);
        created.pop_back();
        if (const int error = f.flushDirectory(folder_.string())) {
            // Not known to be on disk: undo it; should the undo not reach the
            // disk either, the next load finishes the commit instead.
            if (f.unlink(recordPath.string()) != 0) {
                pending_ = record;
                return FileResult::failure(kCommitRecord, error);
            }
            return fail(kCommitRecord, error);
        }
    }
    // From here the commit stands: a failure leaves the record, and the
    // next commit or load finishes it.
    auto unfinished = [&](const std::string& file, int error) {
        if (!needsRecord) return fail(file, error);
        pending_ = record;
        return FileResult::failure(file, error);
    };
    for (const auto& [temp, final] : record.replace) {
        const std::string from = (folder_ / temp).string();
        if (const int error = f.rename(from, (folder_ / final).string()))
            return unfinished(final, error);
        // Renaming a link onto the same file leaves both names.
        struct stat st {};
        if (::lstat(from.c_str(), &st) == 0) f.unlink(from);
    }
    for (const auto& final : record.remove) {
        const int error = f.unlink((folder_ / final).string());
        if (error && error != ENOENT) return unfinished(final, error);
    }
    std::sort(dirs.begin(), dirs.end());
    dirs.erase(std::unique(dirs.begin(), dirs.end()), dirs.end());
    for (const auto& dir : dirs)
        if (const int error = f.flushDirectory(dir)) {
            if (needsRecord) pending_ = record;
            return FileResult::failure(relative(dir), error);
        }
    if (needsRecord) {
        if (const int error = f.unlink(recordPath.string()); error && error != ENOENT) {
            pending_ = record;
            return FileResult::failure(kCommitRecord, error);
        }
    }
    for (auto& kept : keptNow) {
        std::erase_if(keepOnReplace_, [&](const auto& k) { return k.first == kept.first; });
        kept_.push_back(std::move(kept));
    }
    return {};
}

}  // namespace velno
