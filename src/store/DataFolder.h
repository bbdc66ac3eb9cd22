#pragma once
// File access inside the data folder. Names are found case-insensitively
// (folders copied from Windows) and written back under the name found.
// Reads are bounded; writes go to a temporary file in the same folder that
// is flushed, synced and renamed over the old file, so a failed write never
// leaves a half-written data file.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velno {

using Bytes = std::vector<std::uint8_t>;

class DataFolder {
public:
    DataFolder() = default;
    explicit DataFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}

    const std::filesystem::path& path() const { return folder_; }
    void setPath(std::filesystem::path folder) { folder_ = std::move(folder); }

    // The full path of a data file: the existing file whatever its case,
    // else the name as given.
    std::filesystem::path resolve(const std::string& name) const;
    bool exists(const std::string& name) const;
    // Size in bytes; nothing when the file is missing.
    std::optional<std::uintmax_t> size(const std::string& name) const;

    struct ReadResult {
        Bytes bytes;
        bool found = false;
        bool truncated = false;  // the file was longer than the limit
    };
    // Reads at most maxBytes from the start of the file.
    ReadResult read(const std::string& name, std::size_t maxBytes) const;

    // Atomic replace; false when the file could not be written.
    bool write(const std::string& name, const void* data, std::size_t size) const;
    bool write(const std::string& name, const Bytes& bytes) const {
        return write(name, bytes.data(), bytes.size());
    }
    bool remove(const std::string& name) const;
    bool copy(const std::string& from, const std::string& to) const;
    bool rename(const std::string& from, const std::string& to) const;

    // A read-only folder (an open month-end snapshot) refuses every write,
    // removal, copy into it and rename.
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool isReadOnly() const { return readOnly_; }

    // Tests make writes fail on cue: the hook sees the file name and returns
    // false to fail that write.
    using WriteHook = std::function<bool(const std::string& name)>;
    void setWriteHook(WriteHook hook) { writeHook_ = std::move(hook); }

private:
    std::filesystem::path folder_;
    WriteHook writeHook_;
    bool readOnly_ = false;
};

// Atomic write of any path (temporary file in the same folder, fsync, rename).
bool writeFileAtomically(const std::filesystem::path& path, const void* data, std::size_t size);

}  // namespace velno
