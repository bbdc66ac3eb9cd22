#pragma once
// The system calls through which the data folder is read and written. One
// small seam so that tests can make any single step fail, or stop dead
// there as a killed program would, without touching the writer's code.

#include <cstddef>
#include <string>

namespace velno {

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Each call returns 0 or an errno value.
    // A new file that must not exist yet and is never reached through a
    // link; owner-only.
    virtual int createExclusive(const std::string& path, int& fd);
    virtual int openForReading(const std::string& path, int& fd);
    virtual int writeAll(int fd, const void* data, std::size_t size);
    virtual int flush(int fd);
    virtual int close(int fd);
    virtual int rename(const std::string& from, const std::string& to);
    virtual int unlink(const std::string& path);
    virtual int link(const std::string& from, const std::string& to);
    // Owner-only.
    virtual int makeDirectory(const std::string& path);
    virtual int flushDirectory(const std::string& path);
};

// The one every folder uses that is not given another: the real one,
// unless a harness that reads from memory put its own in place.
FileSystem& systemFileSystem();
void useFileSystemByDefault(FileSystem* fs);

}  // namespace velno
