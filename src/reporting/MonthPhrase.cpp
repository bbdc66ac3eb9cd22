#include "reporting/MonthPhrase.h"

#include "text/texts/CommonTexts.h"

namespace velno {

std::string_view interfaceLanguage() {
    return text::tr(text::LanguageCode);
}

bool isFrenchLanguage(std::string_view languageCode) {
    return languageCode == "french" || languageCode == "fr" || languageCode == "fra";
}

std::string monthInPhrase(int month0, std::string_view languageCode) {
    const std::string& name = text::monthName(month0);
    if (!isFrenchLanguage(languageCode) || name.empty()) return name;
    const char first = name[0];
    const bool vowel = first == 'a' || first == 'A' || first == 'o' || first == 'O';
    return (vowel ? "d'" : "de ") + name;
}

}  // namespace velno
