#pragma once
// A data folder that lives in memory, for the fuzz harnesses: reads come
// from memory files, writes fail, and nothing touches the disk.

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "store/FileSystem.h"

namespace velno::fuzz {

// A folder path no machine has, so that nothing is found on disk either.
inline const std::string kFolder = "/nonexistent-velno-fuzz-folder";

class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::vector<std::uint8_t>> files;  // by path in kFolder

    int openForReading(const std::string& path, int& fd) override {
        fd = -1;
        const auto it = files.find(path);
        if (it == files.end()) return ENOENT;
        fd = ::memfd_create("velno-fuzz", MFD_CLOEXEC);
        if (fd < 0) return errno;
        const auto& bytes = it->second;
        if (!bytes.empty() &&
            ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
            ::close(fd);
            fd = -1;
            return EIO;
        }
        ::lseek(fd, 0, SEEK_SET);
        return 0;
    }
    int createExclusive(const std::string&, int& fd) override {
        fd = -1;
        return EROFS;
    }
    int rename(const std::string&, const std::string&) override { return EROFS; }
    int unlink(const std::string&) override { return EROFS; }
    int link(const std::string&, const std::string&) override { return EROFS; }
    int makeDirectory(const std::string&) override { return EROFS; }
    int flushDirectory(const std::string&) override { return EROFS; }
};

// The input as files: records of [name index][u16 length, little-endian]
// [bytes], the index taken modulo the number of names.
inline void splitInput(const std::uint8_t* data, std::size_t size,
                       const std::vector<std::string>& names, MemoryFileSystem& fs) {
    fs.files.clear();
    std::size_t at = 0;
    while (at + 3 <= size) {
        const std::string& name = names[data[at] % names.size()];
        const std::size_t length = data[at + 1] | (std::size_t{data[at + 2]} << 8);
        at += 3;
        const std::size_t take = std::min(length, size - at);
        fs.files[kFolder + "/" + name].assign(data + at, data + at + take);
        at += take;
    }
}

// The folder in memory, holding the input as its one file `name`.
inline void serveOneFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
    static MemoryFileSystem fs;
    useFileSystemByDefault(&fs);
    fs.files.clear();
    fs.files[kFolder + "/" + name].assign(data, data + size);
}

}  // namespace velno::fuzz
