#include "app/Application.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QTranslator>
#include <chrono>
#include <cstdio>
#include <system_error>

#include "app/AppArguments.h"
#include "app/AppIcon.h"
#include "app/FirstStartDialog.h"
#include "app/MainWindow.h"
#include "app/QtPrompter.h"
#include "app/QtTranslation.h"
#include "app/SelectFolderDialog.h"
#include "app/SingleInstance.h"
#include "app/StartFolder.h"
#include "app/StartHooks.h"
#include "app/UserSettings.h"
#include "demo/DemoCongregation.h"
#include "print/ReportKinds.h"
#include "session/SessionRules.h"
#include "session/StartInstance.h"
#include "store/CVelnoDoc.h"
#include "store/Clock.h"
#include "text/Format.h"
#include "text/texts/AppTexts.h"
#include "text/texts/CommonTexts.h"
#include "text/ui/QtText.h"

Q_LOGGING_CATEGORY(lcInstance, "velno.instance")

namespace velno::app {

namespace fs = std::filesystem;

namespace {

fs::path toPath(const QString& s) {
    return fs::path(s.toStdString());
}

std::optional<fs::path> lastUsedFolder() {
    const QString last = userSettings().value("LastDataFolder").toString();
    if (last.isEmpty()) return std::nullopt;
    return toPath(last);
}

void rememberFolder(const fs::path& folder) {
    QSettings settings = userSettings();
    const QString path = QString::fromStdString(folder.string());
    // Written only when it changes: every write is synced to the disk.
    if (settings.value("LastDataFolder").toString() != path)
        settings.setValue("LastDataFolder", path);
}

fs::path demoFolder() {
    return toPath(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)) / "demo";
}

bool createDemo(const fs::path& folder, const CalendarDate& today, Prompter& prompter) {
    std::string error;
    if (writeDemoCongregation(folder, today, kDemoDefaultSeed, kDemoDefaultPublishers, &error,
                              &tallyRules()))
        return true;
    prompter.tell(text::arg(text::tr(text::TxDemoCreateFailed), error), Icon::Error);
    return false;
}

// First start outside a data folder: a new folder or the demo. Nothing
// when the user quits.
std::optional<fs::path> askForFolder(const CalendarDate& today, QtPrompter& prompter) {
    for (;;) {
        FirstStartDialog first;
        if (first.exec() != QDialog::Accepted) return std::nullopt;
        if (first.choice() == FirstStartDialog::Choice::Demo) {
            const fs::path demo = demoFolder();
            if (folderHoldsData(demo) || createDemo(demo, today, prompter)) return demo;
            continue;
        }
        CSelectFolderDialog picker(QDir::home().filePath("Velno"), prompter);
        if (picker.exec() != QDialog::Accepted) continue;
        fs::path folder = toPath(picker.folder());
        std::error_code ec;
        // The user may have declined to create it; a data folder must exist.
        fs::create_directories(folder, ec);
        if (fs::is_directory(folder, ec)) return folder;
        prompter.tell(text::arg(text::tr(text::TxFolderNotUsable), folder.string()), Icon::Error);
    }
}

// For the start-up benchmark: end as soon as the main window has painted.
class QuitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            // Once the paint is through: the moment on the monotonic clock,
            // which the benchmark compares with the moment it started us.
            // The size lets the benchmark's yardstick paint as many pixels.
            auto* window = static_cast<QWidget*>(watched);
            QTimer::singleShot(0, qApp, [window] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("first-paint %lld %dx%d\n",
                            static_cast<long long>(
                                std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                            window->width(), window->height());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

void printLine(const std::string& text, FILE* to) {
    std::fputs((text + "\n").c_str(), to);
}

}  // namespace

int runApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("velno");
    // No display name: on X11 Qt would append it to every window title,
    // and the main window's title already begins with the program's name.
    QApplication::setDesktopFileName("org.velno.Velno");
    QApplication::setWindowIcon(appIcon());
    // Qt's own dialogs in the interface language where Qt has it.
    QTranslator qtTexts;
    loadQtTranslation(qtTexts, text::tr(text::LanguageCode));

    std::vector<std::string> args;
    for (const QString& a : QApplication::arguments().mid(1)) args.push_back(a.toStdString());
    const AppArguments arguments = parseAppArguments(args);
    if (!arguments.error.empty()) {
        printLine(arguments.error, stderr);
        return 2;
    }
    if (arguments.help) {
        printLine(text::tr(text::TxUsage), stdout);
        return 0;
    }

    // 1. A second start brings the running window forward and ends.
    SingleInstance instance(SingleInstance::defaultName());
    if (!instance.claim()) return 0;
    // Until the main window exists (the password, the notice), the dialog
    // on show comes forward instead.
    QPointer<QWidget> mainWindow;
    QObject::connect(&instance, &SingleInstance::activationRequested, &app, [&mainWindow] {
        qCInfo(lcInstance) << "another start asked this window to come forward";
        QWidget* w = mainWindow ? mainWindow.data() : QApplication::activeModalWidget();
        if (!w) return;
        if (w->isMinimized()) w->showNormal();
        w->show();
        w->raise();
        w->activateWindow();
    });

    const CalendarDate today = arguments.today ? *arguments.today : resolveToday(std::nullopt);
    QtPrompter prompter;

    // Which folder.
    StartFolderInput input;
    input.dataArgument = arguments.dataFolder;
    input.demo = arguments.demo;
    input.currentDirectory = fs::current_path();
    input.lastUsed = lastUsedFolder();
    input.demoFolder = demoFolder();
    const StartFolder choice = chooseStartFolder(input);
    fs::path folder = choice.folder;
    if (choice.kind == StartFolder::Kind::CreateDemo && !createDemo(folder, today, prompter))
        return 1;
    if (choice.kind == StartFolder::Kind::Ask) {
        const auto asked = askForFolder(today, prompter);
        if (!asked) return 0;
        folder = *asked;
    }
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        prompter.tell(text::arg(text::tr(text::TxFolderNotUsable), folder.string()), Icon::Error);
        return 1;
    }
    folder = fs::canonical(folder, ec);
    // Data files are opened relative to the data folder.
    QDir::setCurrent(QString::fromStdString(folder.string()));

    // 3. The document and its data, with the password.
    CVelnoDoc doc;
    doc.setPrompter(&prompter);
    StartOptions options;
    options.dataFolder = folder;
    options.today = today;
    // Told once the window shows, on top of it.
    options.tellNotice = false;
    const StartResult started = startInstance(doc, options);
    if (!started.opened()) return 1;
    rememberFolder(folder);
    runStartHooks(doc);

    // 4. The main window, then the notice on top of it.
    MainWindow window(doc, prompter, today);
    mainWindow = &window;
    QuitAfterFirstPaint quitAfterPaint;
    if (qEnvironmentVariableIsSet("VELNO_EXIT_AFTER_FIRST_PAINT"))
        window.installEventFilter(&quitAfterPaint);
    window.show();
    if (!started.readOnlyMessage.empty()) prompter.tell(started.readOnlyMessage, Icon::Error);
    window.endOfLoad();
    const int result = app.exec();
    doc.setPrompter(nullptr);
    return result;
}

}  // namespace velno::app
