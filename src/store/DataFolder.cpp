#include "store/DataFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <system_error>

namespace velno {

namespace fs = std::filesystem;

namespace {

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool writeAll(int fd, const void* data, std::size_t size) {
    const auto* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, p, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool writeFileAtomically(const fs::path& path, const void* data, std::size_t size) {
    fs::path temp = path;
    temp += ".velno-tmp";
    // New data files are private; an existing file keeps its permissions.
    mode_t mode = S_IRUSR | S_IWUSR;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) mode = st.st_mode & 07777;
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) return false;
    bool ok = writeAll(fd, data, size) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

fs::path DataFolder::resolve(const std::string& name) const {
    const fs::path exact = folder_ / name;
    std::error_code ec;
    if (fs::exists(exact, ec)) return exact;
    for (const auto& entry : fs::directory_iterator(folder_, ec)) {
        const std::string found = entry.path().filename().string();
        if (equalsIgnoringCase(found, name)) return entry.path();
    }
    return exact;
}

bool DataFolder::exists(const std::string& name) const {
    std::error_code ec;
    return fs::is_regular_file(resolve(name), ec);
}

std::optional<std::uintmax_t> DataFolder::size(const std::string& name) const {
    std::error_code ec;
    const auto path = resolve(name);
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    const auto n = fs::file_size(path, ec);
    if (ec) return std::nullopt;
    return n;
}

DataFolder::ReadResult DataFolder::read(const std::string& name, std::size_t maxBytes) const {
    ReadResult result;
    const auto path = resolve(name);
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return result;
    std::ifstream in(path, std::ios::binary);
    if (!in) return result;
    result.found = true;
    // Sized by the file, not the limit: limits are far above real files.
    const auto fileSize = fs::file_size(path, ec);
    const std::size_t want =
        ec ? maxBytes : static_cast<std::size_t>(std::min<std::uintmax_t>(fileSize, maxBytes));
    result.bytes.resize(want);
    in.read(reinterpret_cast<char*>(result.bytes.data()), static_cast<std::streamsize>(maxBytes));
    result.bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (result.bytes.size() == want) {
        char extra;
        result.truncated = static_cast<bool>(in.read(&extra, 1));
    }
    return result;
}

bool DataFolder::write(const std::string& name, const void* data, std::size_t size) const {
    if (readOnly_) return false;
    if (writeHook_ && !writeHook_(name)) return false;
    return writeFileAtomically(resolve(name), data, size);
}

bool DataFolder::remove(const std::string& name) const {
    if (readOnly_) return false;
    std::error_code ec;
    return fs::remove(resolve(name), ec);
}

bool DataFolder::copy(const std::string& from, const std::string& to) const {
    if (readOnly_) return false;
    if (writeHook_ && !writeHook_(to)) return false;
    // No file here is ever changed in place (every write replaces it), so a
    // second name for the source is a whole, already flushed copy: nothing
    // to write and no flush to wait for, which a busy disk makes slow at
    // every start. Folders that cannot hold links get a written copy.
    fs::path temp = resolve(to);
    temp += ".velno-tmp";
    ::unlink(temp.c_str());
    if (::link(resolve(from).c_str(), temp.c_str()) == 0) {
        const bool renamed = ::rename(temp.c_str(), resolve(to).c_str()) == 0;
        // When the target already was this very file, the rename leaves
        // both names in place.
        ::unlink(temp.c_str());
        if (renamed) return true;
    }
    const auto source = read(from, std::size_t{64} << 20);
    if (!source.found || source.truncated) return false;
    return write(to, source.bytes);
}

bool DataFolder::rename(const std::string& from, const std::string& to) const {
    if (readOnly_) return false;
    if (writeHook_ && !writeHook_(to)) return false;
    std::error_code ec;
    fs::rename(resolve(from), resolve(to), ec);
    return !ec;
}

}  // namespace velno
