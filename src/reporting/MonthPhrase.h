#pragma once
// Month names inside sentences. The French interface says "de mars" and
// "d'avril", so the name carries its preposition there.

#include <string>
#include <string_view>

namespace velno {

// The language code of the interface (string 1198).
std::string_view interfaceLanguage();
bool isFrenchLanguage(std::string_view languageCode);

// The month's name (UTF-8) for a sentence in the given interface language.
std::string monthInPhrase(int month0, std::string_view languageCode);

}  // namespace velno
