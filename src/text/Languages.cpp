#include "text/Languages.h"

namespace velno::text {

namespace {

constexpr LanguageInfo kLanguages[] = {
    {"in", "id", "ID"},       {"eng", "en", "US"},       {"en", "en", "US"},
    {"rus", "ru", "RU"},      {"urk", "uk", "UA"},       {"turkish", "tr", "TR"},
    {"french", "fr", "FR"},   {"czech", "cs", "CZ"},     {"polish", "pl", "PL"},
    {"hrvatski", "hr", "HR"}, {"slovenian", "sl", "SI"}, {"slovak", "sk", "SK"},
    {"greek", "el", "GR"},    {"dutch", "nl", "NL"},     {"tha", "th", "TH"},
    {"hun", "hu", "HU"},      {"lt", "lt", "LT"},        {"estonian", "et", "EE"},
    {"rom", "ro", "RO"},      {"vie", "vi", "VN"},       {"ptg", "pt", "PT"},
};

}  // namespace

const LanguageInfo* findLanguage(std::string_view code) {
    for (const LanguageInfo& info : kLanguages)
        if (info.code == code) return &info;
    return nullptr;
}

}  // namespace velno::text
