#include "app/UserSettings.h"

namespace velno::app {

QSettings userSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "velno", "velno");
}

}  // namespace velno::app
