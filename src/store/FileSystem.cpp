#include "store/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace velno {

int FileSystem::createExclusive(const std::string& path, int& fd) {
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                S_IRUSR | S_IWUSR);
    return fd < 0 ? errno : 0;
}

int FileSystem::openForReading(const std::string& path, int& fd) {
    // Non-blocking, so that a pipe planted under a data file's name cannot
    // hang the load; the caller refuses anything but a regular file.
    fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    return fd < 0 ? errno : 0;
}

int FileSystem::writeAll(int fd, const void* data, std::size_t size) {
    const auto* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, p, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

int FileSystem::flush(int fd) {
    return ::fsync(fd) == 0 ? 0 : errno;
}

int FileSystem::close(int fd) {
    return ::close(fd) == 0 ? 0 : errno;
}

int FileSystem::rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int FileSystem::unlink(const std::string& path) {
    return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

int FileSystem::link(const std::string& from, const std::string& to) {
    return ::link(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int FileSystem::makeDirectory(const std::string& path) {
    return ::mkdir(path.c_str(), S_IRWXU) == 0 ? 0 : errno;
}

int FileSystem::flushDirectory(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

namespace {
FileSystem* defaultFileSystem = nullptr;
}

FileSystem& systemFileSystem() {
    static FileSystem fs;
    return defaultFileSystem ? *defaultFileSystem : fs;
}

void useFileSystemByDefault(FileSystem* fs) {
    defaultFileSystem = fs;
}

}  // namespace velno
