#pragma once
// The monthly cycle in the window: a demo congregation written on 8
// November 2026 (October open) and opened on 8 December, so that November
// waits to be initialised from the start dialog.

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "app/MainWindow.h"
#include "app/QtPrompter.h"
#include "store/CVelnoDoc.h"
#include "support/TempFolder.h"

namespace velno::test {

constexpr CalendarDate kDemoWritten{2026, 11, 8};
constexpr CalendarDate kCycleToday{2026, 12, 8};

class MonthCycleFixture {
public:
    explicit MonthCycleFixture(int publishers = 120);
    ~MonthCycleFixture();

    CVelnoDoc& doc() { return *doc_; }
    app::MainWindow& window() { return *window_; }
    const std::filesystem::path& folder() const { return dir_.path(); }
    // Opens the folder again as a new run (after a save).
    std::unique_ptr<CVelnoDoc> reopen(const CalendarDate& today) const;

private:
    TempFolder dir_;
    app::QtPrompter prompter_;
    std::unique_ptr<CVelnoDoc> doc_;
    std::unique_ptr<app::MainWindow> window_;
};

// Makes the dialog the active window. A dialog that opens while a key of
// its parent is being handled is not activated by itself, and waiting for
// "active" is no help: a child counts as active with its parent.
void activate(QWidget* dialog);

// Runs `action` on the dialog of type T once it is the active modal
// dialog. A dialog the action leaves open is closed, as a failure, so a
// broken step cannot hang the test.
template <typename T>
void whenModal(std::function<void(T*)> action, int timeoutMs = 10000) {
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action, timeoutMs] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            activate(dialog);
            action(dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << T::staticMetaObject.className() << " left open";
                dialog->reject();
            }
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no " << T::staticMetaObject.className() << " appeared";
        }
    });
    timer->start();
}

// A key to whatever has the focus in the active window.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void type(const QString& text);

}  // namespace velno::test
