#pragma once
// A demo congregation opened the way the program opens it, with the real
// main window on top, for the shell's widget tests.

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "app/QtPrompter.h"
#include "store/CVelnoDoc.h"
#include "support/TempFolder.h"

namespace velno::test {

// The date all shell tests run on: the report month is November 2026.
constexpr CalendarDate kShellToday{2026, 12, 8};

// Writes the demo congregation (40 publishers, 2 groups) into `folder`.
void writeDemo(const std::filesystem::path& folder, int publishers = 40);

class ShellFixture {
public:
    explicit ShellFixture(int publishers = 40);
    ~ShellFixture();

    // Opens the data folder (start-up without the notice) and the window.
    void open();
    CVelnoDoc& doc() { return *doc_; }
    app::MainWindow& window() { return *window_; }
    app::QtPrompter& prompter() { return prompter_; }
    const std::filesystem::path& folder() const { return dir_.path(); }

private:
    TempFolder dir_;
    app::QtPrompter prompter_;
    std::unique_ptr<CVelnoDoc> doc_;
    std::unique_ptr<app::MainWindow> window_;
};

// Runs `action` on the next modal dialog of type T once it shows (message
// boxes, dialogs that exec()). The action runs inside the dialog's loop.
void onNextModal(std::function<void(QWidget*)> action, int timeoutMs = 5000);

// The same for a dialog that must be a T: any other one is failed and
// closed, so that none is left open to hang the test.
template <typename T>
void onNextModalOf(std::function<void(T*)> action) {
    onNextModal([action](QWidget* w) {
        if (auto* dialog = qobject_cast<T*>(w)) return action(dialog);
        ADD_FAILURE() << "unexpected dialog " << w->objectName().toStdString();
        w->close();
    });
}

// Where tests leave screenshots and files to look at.
QString artefactFolder();

// Shows `widget` and leaves a screenshot of it as artefacts/<name>.png.
void saveScreenshot(QWidget& widget, const QString& name);

// Visible labels and buttons given less room than their text needs (labels
// that wrap their words are left out), by their texts; and a dialog's
// title when the dialog is too narrow for it, and frames left empty.
std::vector<std::string> textsCutOff(QWidget& widget);

}  // namespace velno::test
