#include "app/AboutDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppIcon.h"
#include "text/Format.h"
#include "text/texts/AppTexts.h"
#include "text/ui/QtText.h"

#ifndef VELNO_VERSION
#define VELNO_VERSION ""
#endif

namespace velno::app {

AboutDialog::AboutDialog(const QString& dataFolder, QWidget* parent) : QDialog(parent) {
    setObjectName("dialog100");
    setWindowTitle(qs(text::tr(text::TxAboutTitle)));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setPixmap(appIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);
    auto* about = new QLabel(qs(text::arg(text::tr(text::TxAboutText), VELNO_VERSION)), this);
    about->setWordWrap(true);
    top->addWidget(icon);
    top->addWidget(about, 1);
    layout->addLayout(top);

    auto* group = new QGroupBox(qs(text::tr(text::TxAboutDirectory)), this);
    auto* groupLayout = new QVBoxLayout(group);
    folder_ = new QLabel(dataFolder, group);
    folder_->setObjectName("dataFolder");
    folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    folder_->setWordWrap(true);
    groupLayout->addWidget(folder_);
    layout->addWidget(group);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok =
        buttons->addButton(qs(text::tr(text::TxButtonOk)), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

}  // namespace velno::app
