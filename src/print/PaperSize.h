#pragma once
// The paper a report is laid out for when nobody chose one: the paper of
// the interface language's country (A4 almost everywhere, Letter where
// that country uses it).

#include <string_view>

namespace velno::print {

enum class Paper { A4, Letter };

// The country a language code of the string table stands for ("in":
// Indonesia); empty when the code names no country.
std::string_view countryOfLanguage(std::string_view languageCode);
// Whether a country (ISO 3166 two letters) uses Letter paper.
bool countryUsesLetter(std::string_view country);
Paper defaultPaperFor(std::string_view languageCode);

}  // namespace velno::print
