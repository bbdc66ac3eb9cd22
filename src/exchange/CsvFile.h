#pragma once
// A file of delimited values as the report import reads it: bounded
// reading, the delimiter guessed from the first line, the field rules
// (quotes, doubled quotes, leading blanks), the check that the file has a
// header and rows of the right width, and the names turned into
// Windows-1252.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "store/DataFolder.h"

namespace velno {

namespace csv {
// Far beyond any congregation's month of reports; a longer file is refused
// before anything is counted.
constexpr std::size_t kMaxFileBytes = 4u << 20;
constexpr int kMinHeaderFields = 4;
}  // namespace csv

// ";" when the line holds five or more, else the tab when it holds five or
// more, else ",".
char detectDelimiter(std::string_view firstLine);

// One line's fields. A field may be quoted: inside quotes a doubled quote
// is one quote and the delimiter is text. Leading blanks of a field are
// skipped unless the blank is the delimiter. Characters after a closing
// quote, up to the delimiter, are kept after the quoted text; an unclosed
// quote runs to the end of the line.
std::vector<std::string> splitFields(std::string_view line, char delimiter);

// Replaces the two-byte UTF-8 forms of the accented letters that names in
// these files carry by their Windows-1252 byte, and those of "ž" and "Ž"
// by "z" and "Z". Every other byte stays.
std::string convertAccents(std::string_view line);

struct CsvRow {
    std::vector<std::string> fields;  // Windows-1252
    // Why the row cannot be taken (UTF-8), empty when it can: a character
    // Windows-1252 has no place for.
    std::string problem;
};

// A row's field at a 0-based column, trimmed; empty when the row is
// shorter or the column is not assigned (-1).
std::string_view csvField(const CsvRow& row, int column);

struct CsvTable {
    char delimiter = ',';
    std::vector<std::string> header;  // Windows-1252
    std::vector<CsvRow> rows;         // rows[g - 1] is data row g
};

// Splits and checks the text of a file. False with the message (UTF-8)
// when the file is refused: the header with fewer than four fields, a row
// that is neither as wide as the header nor one field narrower, no data
// row. A file that is valid UTF-8 throughout is converted character by
// character; a row holding a character Windows-1252 cannot hold is kept
// with its problem (the rest of the import goes on). Any other file is
// taken as Windows-1252 with the accent conversion.
bool parseCsv(std::string_view text, CsvTable& table, std::string& message);

// Reads the file (at most csv::kMaxFileBytes) and parses it.
bool loadCsv(const std::filesystem::path& path, CsvTable& table, std::string& message);

// The leading whole number of a text as a spreadsheet leaves it ("12",
// " 7 ", "3.5"), 0 when it has none.
int leadingNumber(std::string_view text);

}  // namespace velno
