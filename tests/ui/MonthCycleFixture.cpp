#include "MonthCycleFixture.h"

#include <QWindow>

#include "demo/DemoCongregation.h"
#include "session/StartInstance.h"

namespace velno::test {

namespace {

std::unique_ptr<CVelnoDoc> openFolder(const std::filesystem::path& folder,
                                      const CalendarDate& today, Prompter* prompter) {
    auto doc = std::make_unique<CVelnoDoc>();
    doc->setPrompter(prompter);
    StartOptions options;
    options.dataFolder = folder;
    options.today = today;
    options.tellNotice = false;
    options.setLocale = false;
    EXPECT_TRUE(startInstance(*doc, options).opened());
    return doc;
}

// Keys go in as the keyboard sends them: through the active window, so
// that shortcuts and mnemonics work and the focus widget receives the rest.
QWindow* activeWindow() {
    QWidget* w = QApplication::activeWindow();
    if (!w || !w->windowHandle()) {
        ADD_FAILURE() << "no active window";
        return nullptr;
    }
    return w->windowHandle();
}

}  // namespace

MonthCycleFixture::MonthCycleFixture(int publishers) {
    std::string error;
    EXPECT_TRUE(writeDemoCongregation(dir_.path(), kDemoWritten, 1, publishers, &error)) << error;
    doc_ = openFolder(dir_.path(), kCycleToday, &prompter_);
    window_ = std::make_unique<app::MainWindow>(*doc_, prompter_, kCycleToday);
    window_->show();
}

MonthCycleFixture::~MonthCycleFixture() {
    window_.reset();
    if (doc_) doc_->setPrompter(nullptr);
}

std::unique_ptr<CVelnoDoc> MonthCycleFixture::reopen(const CalendarDate& today) const {
    return openFolder(dir_.path(), today, nullptr);
}

void activate(QWidget* dialog) {
    QElapsedTimer clock;
    clock.start();
    while (QApplication::activeWindow() != dialog && clock.elapsed() < 3000) {
        dialog->activateWindow();
        QTest::qWait(10);
    }
    EXPECT_EQ(dialog, QApplication::activeWindow());
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (QWindow* w = activeWindow()) QTest::keyClick(w, key, modifiers);
}

void type(const QString& text) {
    for (const QChar c : text)
        if (QWindow* w = activeWindow()) QTest::keyClick(w, c.toLatin1());
}

}  // namespace velno::test
