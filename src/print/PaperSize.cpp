#include "print/PaperSize.h"

#include <algorithm>
#include <array>

#include "text/Languages.h"

namespace velno::print {

std::string_view countryOfLanguage(std::string_view code) {
    const text::LanguageInfo* info = text::findLanguage(code);
    return info ? info->country : std::string_view();
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
