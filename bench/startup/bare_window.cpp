// The yardstick of the start-up benchmark: a bare main window with a menu
// bar and a status bar, started and ended the way velno is measured.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <chrono>
#include <cstdio>

namespace {

class QuitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            // Once the paint is through: the moment on the monotonic clock,
            // which the benchmark compares with the moment it started us.
            QTimer::singleShot(0, qApp, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("first-paint %lld\n",
                            static_cast<long long>(
                                std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu("&File");
    window.statusBar()->showMessage("ready");
    window.setCentralWidget(new QLabel("bare window"));
    // The size of the window it stands beside: "--size WxH".
    int width = 640, height = 400;
    const QStringList args = QApplication::arguments();
    const int at = args.indexOf("--size");
    if (at >= 0 && at + 1 < args.size()) {
        const QStringList wh = args[at + 1].split('x');
        if (wh.size() == 2) {
            width = wh[0].toInt();
            height = wh[1].toInt();
        }
    }
    window.resize(width, height);
    QuitAfterFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return app.exec();
}
