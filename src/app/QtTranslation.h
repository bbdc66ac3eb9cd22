#pragma once
// Qt's own texts (print and file dialogs, the preview's toolbar, the
// buttons of message boxes) in the interface language, when Qt ships a
// translation for it; English otherwise.

#include <QString>
#include <string_view>

class QCoreApplication;
class QTranslator;

namespace velno::app {

// Qt's name of the language a code of the string table stands for ("in":
// "id"); empty when the code is not known.
QString qtLanguageOf(std::string_view languageCode);
// Loads qtbase_<language> from Qt's translations folder into `translator`
// and installs it; false (Qt keeps English) when there is none.
bool loadQtTranslation(QTranslator& translator, std::string_view languageCode,
                       const QString& folder = QString());

}  // namespace velno::app
