// Qt tests run without a display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "app/DesktopLook.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The user's own settings (window place, zoom) stay untouched, and every
    // test process has its own: ctest runs several at once, and one test's
    // clearing must not reach into another's.
    QTemporaryDir home;
    if (!home.isValid()) return 2;
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(name, (home.path() + "/" + name).toLocal8Bit());
    QApplication app(argc, argv);
    // The widgets look as in the program.
    velno::app::installDesktopLook();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
