#pragma once
// What belongs to the user rather than to the data: the folder used last,
// the window's place, the preview's zoom. ~/.config/velno/velno.ini.

#include <QSettings>

namespace velno::app {

QSettings userSettings();

}  // namespace velno::app
