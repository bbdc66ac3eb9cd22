#include "app/FirstStartDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppIcon.h"
#include "text/texts/AppTexts.h"
#include "text/ui/QtText.h"

namespace velno::app {

FirstStartDialog::FirstStartDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("FirstStartDialog");
    setWindowTitle(qs(text::tr(text::TxFirstStartTitle)));
    setWindowIcon(appIcon());
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setPixmap(appIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(qs(text::tr(text::TxFirstStartText)), this);
    text->setWordWrap(true);
    top->addWidget(icon);
    top->addWidget(text, 1);
    layout->addLayout(top);

    auto* buttons = new QHBoxLayout;
    newFolder_ = new QPushButton(qs(text::tr(text::TxFirstStartNewFolder)), this);
    demo_ = new QPushButton(qs(text::tr(text::TxFirstStartDemo)), this);
    auto* quit = new QPushButton(qs(text::tr(text::TxFirstStartQuit)), this);
    newFolder_->setDefault(true);
    buttons->addWidget(newFolder_);
    buttons->addWidget(demo_);
    buttons->addStretch();
    buttons->addWidget(quit);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    connect(newFolder_, &QPushButton::clicked, this, [this] {
        choice_ = Choice::NewFolder;
        accept();
    });
    connect(demo_, &QPushButton::clicked, this, [this] {
        choice_ = Choice::Demo;
        accept();
    });
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace velno::app
