#include "exchange/CsvFile.h"

#include <cerrno>
#include <system_error>

#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/ExchangeTexts.h"

namespace velno {

namespace fs = std::filesystem;

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Well-formed UTF-8 throughout (overlong forms and surrogates refused).
bool isUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t n = 0;
        char32_t cp = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            n = 1;
            cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            n = 2;
            cp = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            n = 3;
            cp = b & 0x07;
        } else {
            return false;
        }
        if (i + n >= s.size()) return false;
        for (std::size_t k = 1; k <= n; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if ((n == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
            (n == 3 && (cp < 0x10000 || cp > 0x10FFFF)))
            return false;
        i += n + 1;
    }
    return true;
}

// The lines of a text: LF or CR LF ends a line; empty lines at the end are
// not lines.
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

std::string refused() {
    return text::tr(text::TxCsvRefused);
}

}  // namespace

char detectDelimiter(std::string_view firstLine) {
    std::size_t semicolons = 0, tabs = 0;
    for (char c : firstLine) {
        semicolons += c == ';';
        tabs += c == '\t';
    }
    if (semicolons >= 5) return ';';
    if (tabs >= 5) return '\t';
    return ',';
}

std::vector<std::string> splitFields(std::string_view line, char delimiter) {
    std::vector<std::string> fields;
    std::size_t i = 0;
    for (;;) {
        while (i < line.size() && isBlank(line[i]) && line[i] != delimiter) ++i;
        std::string field;
        if (i < line.size() && line[i] == '"') {
            ++i;
            while (i < line.size()) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
        }
        while (i < line.size() && line[i] != delimiter) field += line[i++];
        fields.push_back(std::move(field));
        if (i >= line.size()) break;
        ++i;  // the delimiter: another field follows, if only an empty one
    }
    return fields;
}

std::string convertAccents(std::string_view line) {
    // The second bytes after 0xC3 of the letters taken; their Windows-1252
    // byte is the second byte plus 0x40.
    static constexpr std::string_view kAfterC3 =
        "\x88\x89\xA0\xA1\xA7\xA8\xA9\xAC\xAD\xB1\xB3\xB6\xBA\xBC\xBD\xA4\xB5\x95";
    std::string out;
    out.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto b = static_cast<unsigned char>(line[i]);
        if (i + 1 < line.size()) {
            const char next = line[i + 1];
            if (b == 0xC3 && kAfterC3.find(next) != std::string_view::npos) {
                out += static_cast<char>(static_cast<unsigned char>(next) + 0x40);
                ++i;
                continue;
            }
            if (b == 0xC5 && (next == '\xBE' || next == '\xBD')) {
                out += next == '\xBE' ? 'z' : 'Z';
                ++i;
                continue;
            }
        }
        out += line[i];
    }
    return out;
}

bool parseCsv(std::string_view text, CsvTable& table, std::string& message) {
    table = {};
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    const std::vector<std::string_view> lines = linesOf(text);
    if (lines.size() < 2) {
        message = refused();
        return false;
    }
    table.delimiter = detectDelimiter(lines[0]);
    const bool utf8 = isUtf8(text);
    // "ž" and "Ž" become plain letters whichever way the file is read.
    auto convert = [&](std::string_view line, std::string& problem) {
        if (!utf8) return convertAccents(line);
        // A UTF-8 file is converted whole; only "ž" and "Ž" lose their
        // accent, as they do in the byte-wise conversion.
        std::string plain;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const std::string_view pair = line.substr(i, 2);
            if (pair == "\xC5\xBE" || pair == "\xC5\xBD") {
                plain += pair[1] == '\xBE' ? 'z' : 'Z';
                ++i;
            } else {
                plain += line[i];
            }
        }
        text::Cp1252Result r = text::utf8ToCp1252(plain);
        if (!r.ok) problem = r.error;
        return r.bytes;
    };
    const std::size_t width = splitFields(lines[0], table.delimiter).size();
    if (width < static_cast<std::size_t>(csv::kMinHeaderFields)) {
        message = refused();
        return false;
    }
    std::string problem;
    const std::string header = convert(lines[0], problem);
    if (!problem.empty()) {
        message = text::arg(text::tr(text::TxCsvHeaderUnreadable), problem);
        return false;
    }
    table.header = splitFields(header, table.delimiter);
    table.rows.reserve(lines.size() - 1);
    for (std::size_t g = 1; g < lines.size(); ++g) {
        // The width is that of the line as written; conversion never
        // touches a delimiter or a quote.
        const std::size_t n = splitFields(lines[g], table.delimiter).size();
        if (n != width && n + 1 != width) {
            message = refused();
            table = {};
            return false;
        }
        CsvRow row;
        const std::string converted = convert(lines[g], row.problem);
        if (row.problem.empty())
            row.fields = splitFields(converted, table.delimiter);
        else
            row.problem =
                text::arg(text::tr(text::TxCsvRowRefused), std::to_string(g), row.problem);
        table.rows.push_back(std::move(row));
    }
    return true;
}

bool loadCsv(const fs::path& path, CsvTable& table, std::string& message) {
    const fs::path dir = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    const auto read = DataFolder(dir).read(path.filename().string(), csv::kMaxFileBytes + 1);
    if (!read.found || read.error) {
        message = text::arg(text::tr(text::TxCsvUnreadable), path.string(),
                            read.found ? read.reason : std::system_category().message(ENOENT));
        return false;
    }
    if (read.truncated) {
        message = text::arg(text::tr(text::TxCsvTooLong), path.string(),
                            std::to_string(csv::kMaxFileBytes / (1u << 20)));
        return false;
    }
    const std::string_view text(reinterpret_cast<const char*>(read.bytes.data()),
                                read.bytes.size());
    return parseCsv(text, table, message);
}

std::string_view csvField(const CsvRow& row, int column) {
    if (column < 0 || column >= static_cast<int>(row.fields.size())) return {};
    return trimmed(row.fields[static_cast<std::size_t>(column)]);
}

int leadingNumber(std::string_view text) {
    text = trimmed(text);
    long value = 0;
    std::size_t i = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 1000000)
        value = value * 10 + (text[i++] - '0');
    return static_cast<int>(value);
}

}  // namespace velno
