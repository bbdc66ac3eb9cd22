#include "ShellFixture.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "app/DesktopLook.h"
#include "demo/DemoCongregation.h"
#include "session/StartInstance.h"

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
    // The notice at every later load (a snapshot) would wait for a click.
    doc_->settings().nag = 1;
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

void saveScreenshot(QWidget& widget, const QString& name) {
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    const QImage image = widget.grab().toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(image.save(artefactFolder() + "/" + name + ".png"));
}

std::vector<std::string> textsCutOff(QWidget& widget) {
    std::vector<std::string> cut;
    // A title bar too narrow for the title shows it cut short.
    if (auto* dialog = qobject_cast<QDialog*>(&widget);
        dialog && dialog->width() < app::TitleRoom::widthFor(*dialog))
        cut.push_back("title: " + dialog->windowTitle().toStdString());
    for (QWidget* w : widget.findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        // A frame without a title and with nothing in it to read.
        if (auto* box = qobject_cast<QGroupBox*>(w); box && box->title().isEmpty()) {
            bool shows = false;
            for (QWidget* inner : box->findChildren<QWidget*>()) {
                auto* label = qobject_cast<QLabel*>(inner);
                shows = shows || (inner->isVisible() && !(label && label->text().isEmpty()));
            }
            if (!shows) cut.push_back("empty frame " + box->objectName().toStdString());
        }
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->wordWrap()) continue;
            text = label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            text = button->text();
        } else {
            continue;
        }
        if (!text.isEmpty() && w->width() < w->minimumSizeHint().width())
            cut.push_back(text.toStdString());
    }
    return cut;
}

}  // namespace velno::test
