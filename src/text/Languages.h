#pragma once
// What a language code of the string table (string 1198, "in") stands
// for outside the program: its ISO 639 language and the country whose
// conventions (paper) it follows.

#include <string_view>

namespace velno::text {

struct LanguageInfo {
    std::string_view code;      // the string table's ("in")
    std::string_view language;  // ISO 639-1 ("id")
    std::string_view country;   // ISO 3166 ("ID")
};

// Nothing for a code the program does not know.
const LanguageInfo* findLanguage(std::string_view code);

}  // namespace velno::text
