#include "ShellFixture.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include "store/DemoCongregation.h"
#include "store/StartInstance.h"

namespace velno::test {

void writeDemo(const std::filesystem::path& folder, int publishers) {
    std::string error;
    ASSERT_TRUE(writeDemoCongregation(folder, kShellToday, 1, publishers, &error)) << error;
}

ShellFixture::ShellFixture(int publishers) {
    writeDemo(dir_.path(), publishers);
}

ShellFixture::~ShellFixture() {
    window_.reset();
    if (doc_) doc_->setPrompter(nullptr);
}

void ShellFixture::open() {
    doc_ = std::make_unique<CVelnoDoc>();
    doc_->setPrompter(&prompter_);
    StartOptions options;
    options.dataFolder = dir_.path();
    options.today = kShellToday;
    options.tellNotice = false;
    options.setLocale = false;
    const StartResult result = startInstance(*doc_, options);
    ASSERT_TRUE(result.opened());
    window_ = std::make_unique<app::MainWindow>(*doc_, prompter_, kShellToday);
    window_->show();
}

void onNextModal(std::function<void(QWidget*)> action, int timeoutMs) {
    auto* timer = new QTimer(qApp);
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action, timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            action(modal);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            ADD_FAILURE() << "no modal dialog appeared";
        }
    });
    timer->start();
}

QString artefactFolder() {
    const QString dir = QCoreApplication::applicationDirPath() + "/artefacts";
    QDir().mkpath(dir);
    return dir;
}

}  // namespace velno::test
