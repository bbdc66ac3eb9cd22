#include "store/files/ProfileFile.h"

#include <cerrno>
#include <climits>
#include <system_error>

#include "store/Collation.h"
#include "store/DataFolder.h"
#include "store/FixedText.h"

namespace velno {

namespace {

// Far above any settings file; a longer one is read in part and never
// written back, so that its end is not lost.
constexpr std::size_t kReadLimit = std::size_t{4} << 20;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upperLetter(static_cast<unsigned char>(a[i])) !=
            upperLetter(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

// A line break inside a value would split the entry in the file.
std::string oneLine(std::string_view value) {
    std::string out(value);
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

}  // namespace

bool ProfileFile::load(const std::filesystem::path& path) {
    const DataFolder folder(path.parent_path());
    // A file copied from Windows may be spelt in capitals; it is written back
    // under the name found.
    path_ = folder.resolve(path.filename().string());
    const auto file = folder.read(path.filename().string(), kReadLimit);
    parse(std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()));
    tooLong_ = file.truncated;
    return file.found;
}

void ProfileFile::parse(std::string_view text) {
    lines_.clear();
    modified_ = false;
    tooLong_ = false;
    utf8Bom_ = text.substr(0, kUtf8Bom.size()) == kUtf8Bom;
    if (utf8Bom_) text.remove_prefix(kUtf8Bom.size());

    // The file's own line end is kept; a new file gets CR LF.
    const auto firstBreak = text.find_first_of("\r\n");
    lineEnd_ = firstBreak != std::string_view::npos && text[firstBreak] == '\n' ? "\n" : "\r\n";

    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        Line line;
        line.raw = std::string(text.substr(start, end - start));
        const std::string_view t = trimmed(line.raw);
        if (!t.empty() && t.front() == '[') {
            const auto close = t.find(']');
            line.isSection = true;
            line.name = std::string(trimmed(
                t.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1)));
        } else if (const auto eq = t.find('='); eq != std::string_view::npos && eq > 0) {
            line.isEntry = true;
            line.name = std::string(trimmed(t.substr(0, eq)));
            line.value = unquoted(trimmed(t.substr(eq + 1)));
            if (line.name.empty()) line.isEntry = false;
        }
        lines_.push_back(std::move(line));
        // CR LF counts as one line end.
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
}

int ProfileFile::findSection(std::string_view section) const {
    const std::string_view name = trimmed(section);
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].isSection && sameName(lines_[i].name, name)) return static_cast<int>(i);
    return -1;
}

int ProfileFile::sectionEnd(int header) const {
    std::size_t i = static_cast<std::size_t>(header) + 1;
    while (i < lines_.size() && !lines_[i].isSection) ++i;
    return static_cast<int>(i);
}

int ProfileFile::findKey(int header, std::string_view key) const {
    const std::string_view name = trimmed(key);
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i)
        if (lines_[i].isEntry && sameName(lines_[i].name, name)) return i;
    return -1;
}

std::optional<std::string> ProfileFile::value(std::string_view section,
                                              std::string_view key) const {
    const int header = findSection(section);
    if (header < 0) return std::nullopt;
    const int line = findKey(header, key);
    if (line < 0) return std::nullopt;
    return lines_[line].value;
}

std::string ProfileFile::getString(std::string_view section, std::string_view key,
                                   std::string_view fallback) const {
    auto v = value(section, key);
    return v ? *v : std::string(fallback);
}

int ProfileFile::getInt(std::string_view section, std::string_view key, int fallback) const {
    const auto v = value(section, key);
    if (!v || v->empty()) return fallback;
    std::size_t i = 0;
    bool negative = false;
    if ((*v)[0] == '-' || (*v)[0] == '+') {
        negative = (*v)[0] == '-';
        ++i;
    }
    long long n = 0;
    for (; i < v->size() && (*v)[i] >= '0' && (*v)[i] <= '9'; ++i) {
        n = n * 10 + ((*v)[i] - '0');
        if (n > static_cast<long long>(INT_MAX) + 1) n = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) n = -n;
    if (n > INT_MAX) n = INT_MAX;
    return static_cast<int>(n);
}

void ProfileFile::setString(std::string_view section, std::string_view key,
                            std::string_view value) {
    const std::string v = oneLine(value);
    const std::string k(trimmed(key));
    Line entry;
    entry.isEntry = true;
    entry.name = k;
    entry.value = v;
    entry.raw = k + "=" + v;

    int header = findSection(section);
    if (header < 0) {
        if (!lines_.empty() && !trimmed(lines_.back().raw).empty()) lines_.push_back(Line{});
        Line head;
        head.isSection = true;
        head.name = std::string(trimmed(section));
        head.raw = "[" + head.name + "]";
        lines_.push_back(std::move(head));
        lines_.push_back(std::move(entry));
        modified_ = true;
        return;
    }
    const int found = findKey(header, key);
    if (found >= 0) {
        Line& line = lines_[found];
        if (line.value == v) return;
        // The key keeps the spelling it has in the file.
        line.value = v;
        line.raw = line.name + "=" + v;
        modified_ = true;
        return;
    }
    // After the section's last entry, so that blank lines and comments that
    // lead into the next section stay in front of it.
    int at = header + 1;
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i)
        if (lines_[i].isEntry) at = i + 1;
    lines_.insert(lines_.begin() + at, std::move(entry));
    modified_ = true;
}

void ProfileFile::setInt(std::string_view section, std::string_view key, int value) {
    setString(section, key, std::to_string(value));
}

std::string ProfileFile::text() const {
    std::string out;
    if (utf8Bom_) out += kUtf8Bom;
    for (const auto& line : lines_) {
        out += line.raw;
        out += lineEnd_;
    }
    return out;
}

FileResult ProfileFile::save(const DataFolder* folder) {
    std::error_code ec;
    const bool inFolder = folder && !path_.empty() &&
                          std::filesystem::equivalent(path_.parent_path(), folder->path(), ec);
    // A save writes it every time (a failed save may have dropped the last
    // change); otherwise only a change is written.
    if (!modified_ && !(inFolder && folder->holdingWrites())) return {};
    if (tooLong_ || path_.empty()) return FileResult::failure(path_.filename().string(), EFBIG);
    const std::string content = text();
    FileResult r = inFolder
                       ? folder->write(path_.filename().string(), content.data(), content.size())
                       : writeFileAtomically(path_, content.data(), content.size());
    if (r) modified_ = false;
    return r;
}

}  // namespace velno
