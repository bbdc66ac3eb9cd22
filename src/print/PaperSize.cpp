#include "print/PaperSize.h"

#include <algorithm>
#include <array>
#include <utility>

namespace velno::print {

std::string_view countryOfLanguage(std::string_view code) {
    static constexpr std::pair<std::string_view, std::string_view> kCountries[] = {
        {"in", "ID"},     {"eng", "US"},      {"en", "US"},        {"rus", "RU"},
        {"urk", "UA"},    {"turkish", "TR"},  {"french", "FR"},    {"czech", "CZ"},
        {"polish", "PL"}, {"hrvatski", "HR"}, {"slovenian", "SI"}, {"slovak", "SK"},
        {"greek", "GR"},  {"dutch", "NL"},    {"tha", "TH"},       {"hun", "HU"},
        {"lt", "LT"},     {"estonian", "EE"}, {"rom", "RO"},       {"vie", "VN"},
        {"ptg", "PT"},
    };
    for (const auto& [language, country] : kCountries)
        if (language == code) return country;
    return {};
}

bool countryUsesLetter(std::string_view country) {
    static constexpr std::array<std::string_view, 12> kLetter = {
        "US", "CA", "MX", "PH", "CL", "CO", "VE", "CR", "GT", "SV", "PA", "PR"};
    return std::find(kLetter.begin(), kLetter.end(), country) != kLetter.end();
}

Paper defaultPaperFor(std::string_view languageCode) {
    return countryUsesLetter(countryOfLanguage(languageCode)) ? Paper::Letter : Paper::A4;
}

}  // namespace velno::print
