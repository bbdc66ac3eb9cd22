#pragma once
// A file system that fails one chosen step of a write, or stops dead there
// as a killed program would (that step and everything after it does
// nothing), and can make chosen files unreadable.

#include <cerrno>
#include <set>
#include <string>

#include "store/FileSystem.h"

namespace velno::test {

class FaultyFileSystem : public FileSystem {
public:
    enum class Mode { Count, Fail, Kill };

    Mode mode = Mode::Count;
    int at = 0;                        // the step (from 1) that fails or kills
    int error = EIO;                   // what a failed step reports
    int steps = 0;                     // steps seen so far
    std::set<std::string> unreadable;  // file names (last component) that give EACCES

    int createExclusive(const std::string& path, int& fd) override {
        fd = -1;
        return step() ? FileSystem::createExclusive(path, fd) : failed();
    }
    int openForReading(const std::string& path, int& fd) override {
        const auto slash = path.rfind('/');
        if (unreadable.count(path.substr(slash == std::string::npos ? 0 : slash + 1))) {
            fd = -1;
            return EACCES;
        }
        return FileSystem::openForReading(path, fd);
    }
    int writeAll(int fd, const void* data, std::size_t size) override {
        return step() ? FileSystem::writeAll(fd, data, size) : failed();
    }
    int flush(int fd) override { return step() ? FileSystem::flush(fd) : failed(); }
    // Closing is not a step: a killed program's files are closed by the system.
    int close(int fd) override { return fd >= 0 ? FileSystem::close(fd) : 0; }
    int rename(const std::string& from, const std::string& to) override {
        return step() ? FileSystem::rename(from, to) : failed();
    }
    int unlink(const std::string& path) override {
        return step() ? FileSystem::unlink(path) : failed();
    }
    int link(const std::string& from, const std::string& to) override {
        return step() ? FileSystem::link(from, to) : failed();
    }
    int makeDirectory(const std::string& path) override {
        return step() ? FileSystem::makeDirectory(path) : failed();
    }
    int flushDirectory(const std::string& path) override {
        return step() ? FileSystem::flushDirectory(path) : failed();
    }

private:
    // Whether the step is carried out.
    bool step() {
        ++steps;
        if (mode == Mode::Fail) return steps != at;
        if (mode == Mode::Kill) return steps < at;
        return true;
    }
    int failed() const { return error; }
};

}  // namespace velno::test
