#include "app/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <utility>

namespace velno::app {

QString qtLanguageOf(std::string_view code) {
    static constexpr std::pair<std::string_view, const char*> kLanguages[] = {
        {"in", "id"},     {"eng", "en"},      {"en", "en"},        {"rus", "ru"},
        {"urk", "uk"},    {"turkish", "tr"},  {"french", "fr"},    {"czech", "cs"},
        {"polish", "pl"}, {"hrvatski", "hr"}, {"slovenian", "sl"}, {"slovak", "sk"},
        {"greek", "el"},  {"dutch", "nl"},    {"tha", "th"},       {"hun", "hu"},
        {"lt", "lt"},     {"estonian", "et"}, {"rom", "ro"},       {"vie", "vi"},
        {"ptg", "pt"},
    };
    for (const auto& [language, qt] : kLanguages)
        if (language == code) return QString::fromLatin1(qt);
    return {};
}

bool loadQtTranslation(QTranslator& translator, std::string_view code, const QString& folder) {
    const QString language = qtLanguageOf(code);
    if (language.isEmpty()) return false;
    const QString where =
        folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    if (!translator.load("qtbase_" + language, where)) return false;
    return QCoreApplication::installTranslator(&translator);
}

}  // namespace velno::app
