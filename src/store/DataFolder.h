#pragma once
// File access inside the data folder. Names are found case-insensitively
// (folders copied from Windows) and written back under the name found.
// Reads are bounded and tell a missing file from one that cannot be read.
//
// Every write goes through one writer. Writes that belong together (one
// save, one command) are held and reach the disk in one commit: each new
// file is written and flushed under a unique temporary name, a small
// commit record lists the replacements and removals, the renames follow,
// the folder is flushed and the record removed. A load that finds a record
// completes it, so the folder is always the old set or the new one.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velno {

class FileSystem;

using Bytes = std::vector<std::uint8_t>;

// The outcome of a write: which file failed and why.
struct [[nodiscard]] FileResult {
    std::string file;  // as named by the caller; empty on success
    int error = 0;     // errno; 0 = written
    std::string reason;

    bool ok() const { return error == 0; }
    explicit operator bool() const { return ok(); }
    static FileResult failure(std::string file, int error, std::string reason = {});
};

class DataFolder {
public:
    // The commit record's name, and the mark of every temporary file.
    static constexpr const char* kCommitRecord = "velno.commit";
    static constexpr const char* kTemporaryMark = ".velno-tmp";

    DataFolder() = default;
    explicit DataFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}

    const std::filesystem::path& path() const { return folder_; }
    void setPath(std::filesystem::path folder);

    // The full path of a data file: the existing file whatever its case,
    // else the name as given. A name may lead through subfolders.
    std::filesystem::path resolve(const std::string& name) const;
    bool exists(const std::string& name) const;
    // Size in bytes; nothing when the file is missing or cannot be read.
    std::optional<std::uintmax_t> size(const std::string& name) const;

    struct ReadResult {
        Bytes bytes;
        bool found = false;
        bool truncated = false;  // the file was longer than the limit
        int error = 0;           // the file exists but could not be read
        std::string reason;
    };
    // Reads at most maxBytes from the start of the file. Held writes are
    // read back as they will be.
    ReadResult read(const std::string& name, std::size_t maxBytes) const;

    // Replaces a file; committed at once unless writes are held.
    FileResult write(const std::string& name, const void* data, std::size_t size) const;
    FileResult write(const std::string& name, const Bytes& bytes) const {
        return write(name, bytes.data(), bytes.size());
    }
    FileResult remove(const std::string& name) const;
    FileResult copy(const std::string& from, const std::string& to) const;
    FileResult rename(const std::string& from, const std::string& to) const;

    // From here on writes gather until commitHeld (a no-op when already held).
    void holdWrites() const { holding_ = true; }
    bool holdingWrites() const { return holding_; }
    // Writes everything held in one commit; writes go through at once again.
    FileResult commitHeld() const;
    void discardHeld() const;

    // A private view: every write is held for ever and nothing reaches the
    // disk (commands that only read).
    void setMemoryOnly(bool memoryOnly);
    bool isMemoryOnly() const { return memoryOnly_; }

    // A read-only folder (an open month-end snapshot) refuses every write,
    // removal, copy into it and rename.
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool isReadOnly() const { return readOnly_; }

    // When the commit that replaces or removes `name` runs, the file as it
    // is on disk is kept beside it as `keepName` first.
    void keepOriginalOnReplace(const std::string& name, const std::string& keepName);
    // What the last commits kept: (file, kept as), and forgets them.
    std::vector<std::pair<std::string, std::string>> takeKeptOriginals() const;

    struct ReadFailure {
        std::string file;
        int error = 0;
        std::string reason;
    };
    // Files that exist but could not be read since the path was set.
    const std::vector<ReadFailure>& readFailures() const { return readFailures_; }
    bool couldNotRead(const std::string& name) const {
        for (const auto& f : readFailures_)
            if (f.file == name) return true;
        return false;
    }

    // Reads an interrupted commit's record, so that reads see the files it
    // commits; the disk itself is put in order by the next commit.
    void recover() const;
    // Forgets what the last load found (not the held writes).
    void startLoad();
    bool hasInterruptedCommit() const { return pending_.has_value(); }

    // Tests make writes fail on cue: the hook sees the file name and returns
    // false to fail that write.
    using WriteHook = std::function<bool(const std::string& name)>;
    void setWriteHook(WriteHook hook) { writeHook_ = std::move(hook); }
    // Null: the system's.
    void setFileSystem(FileSystem* fs) { fs_ = fs; }

private:
    enum class Kind { Replace, Remove, LinkFrom };
    struct Staged {
        std::string name;  // as the caller named it
        Kind kind = Kind::Replace;
        Bytes bytes;
        std::string source;  // LinkFrom: the file on disk it copies
    };
    struct Record {
        std::vector<std::pair<std::string, std::string>> replace;  // temporary, final
        std::vector<std::string> remove;
    };

    FileSystem& fs() const;
    const Staged* staged(const std::string& name) const;
    void stage(Staged s) const;
    FileResult stageOrCommit(Staged s) const;
    // The test hook's verdict on a write of `name`.
    FileResult hooked(const std::string& name) const;
    std::string relative(const std::filesystem::path& full) const;
    FileResult refused(const std::string& name) const;
    ReadResult readDisk(const std::filesystem::path& full, const std::string& name,
                        std::size_t maxBytes, bool note) const;
    FileResult commit(std::vector<Staged> staged) const;
    FileResult completePending() const;
    FileResult makeParents(const std::string& relativeName,
                           std::vector<std::string>& flushDirs) const;
    void sweepTemporaries() const;
    void noteReadFailure(const std::string& name, int error, std::string reason) const;

    std::filesystem::path folder_;
    WriteHook writeHook_;
    FileSystem* fs_ = nullptr;
    bool readOnly_ = false;
    bool memoryOnly_ = false;
    mutable bool holding_ = false;
    mutable std::vector<Staged> held_;
    mutable FileResult heldFailure_;
    mutable std::optional<Record> pending_;
    mutable std::vector<ReadFailure> readFailures_;
    mutable std::vector<std::pair<std::string, std::string>> keepOnReplace_;
    mutable std::vector<std::pair<std::string, std::string>> kept_;
};

// Replaces any one file the same safe way (temporary file, flush, rename).
FileResult writeFileAtomically(const std::filesystem::path& path, const void* data,
                               std::size_t size);

}  // namespace velno
