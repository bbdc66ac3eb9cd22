#include "app/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "text/Languages.h"

namespace velno::app {

QString qtLanguageOf(std::string_view code) {
    const text::LanguageInfo* info = text::findLanguage(code);
    return info ? QString::fromLatin1(info->language.data(), qsizetype(info->language.size()))
                : QString();
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
