#pragma once
// An INI-style settings file read and written the way Windows profile files
// are: sections and keys match whatever their case, keys may hold blanks,
// values are trimmed and lose one pair of enclosing quotes. Everything the
// program does not know (other sections, other keys, comments, blank lines)
// is kept and written back where it stood. Texts are Windows-1252 bytes.

#include <filesystem>

#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include "store/DataFolder.h"

namespace velno {

class ProfileFile {
public:
    ProfileFile() = default;

    // Reads the file; a missing file is an empty profile that is created
    // by the first save. Returns whether a file was read.
    bool load(const std::filesystem::path& path);
    // The same from text, for a profile that has no file yet.
    void parse(std::string_view text);
    const std::filesystem::path& path() const { return path_; }
    void setPath(std::filesystem::path path) { path_ = std::move(path); }

    // The value of a key, or nothing when the section or key is absent.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string getString(std::string_view section, std::string_view key,
                          std::string_view fallback) const;
    // A missing or empty value yields the fallback; otherwise the leading
    // decimal number (a value that is not a number reads as 0).
    int getInt(std::string_view section, std::string_view key, int fallback) const;

    // Changes the first matching key, or adds it at the end of its section
    // (the section at the end of the file when it is new).
    void setString(std::string_view section, std::string_view key, std::string_view value);
    void setInt(std::string_view section, std::string_view key, int value);

    // Something was set since the last load or save, or the file does not
    // exist yet and something was set.
    bool isModified() const { return modified_; }
    // Writes the file atomically when modified; through `folder` when the
    // file lies in it, and then always while the folder holds writes (a save).
    // Fails when it could not be written, or was too long to be read whole
    // (saving would lose its end).
    FileResult save(const DataFolder* folder = nullptr);
    // The file's text as save writes it.
    std::string text() const;

private:
    struct Line {
        std::string raw;         // the line as read, without its line end
        bool isSection = false;  // "[name]"
        bool isEntry = false;    // "key=value"
        std::string name;        // section name or key, trimmed
        std::string value;       // entry value as read (trimmed, unquoted)
    };

    // Index of the section's header line; -1 when absent. Lines before the
    // first header belong to no section.
    int findSection(std::string_view section) const;
    // Index of the key's line inside the section starting at `header`.
    int findKey(int header, std::string_view key) const;
    int sectionEnd(int header) const;

    std::filesystem::path path_;
    std::vector<Line> lines_;
    std::string lineEnd_ = "\r\n";
    bool utf8Bom_ = false;
    bool modified_ = false;
    bool tooLong_ = false;
};

}  // namespace velno
