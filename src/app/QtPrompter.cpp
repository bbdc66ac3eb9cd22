#include "app/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "store/PasswordChangeModel.h"
#include "store/PasswordPrompt.h"
#include "store/ui/PasswordChangeDialog.h"
#include "store/ui/PasswordDialog.h"
#include "text/texts/AppTexts.h"
#include "text/ui/QtText.h"

namespace velno::app {

namespace {

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
        case Icon::None:
            return QMessageBox::NoIcon;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Error:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton standard(Answer answer) {
    switch (answer) {
        case Answer::Ok:
            return QMessageBox::Ok;
        case Answer::Cancel:
            return QMessageBox::Cancel;
        case Answer::Yes:
            return QMessageBox::Yes;
        case Answer::No:
            return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

struct ButtonText {
    QMessageBox::StandardButton button;
    int text;
};
// The shipped texts, whatever translations Qt finds on the machine.
constexpr ButtonText kButtonTexts[] = {
    {QMessageBox::Ok, text::TxButtonOk},
    {QMessageBox::Cancel, text::TxButtonCancel},
    {QMessageBox::Yes, text::TxButtonYes},
    {QMessageBox::No, text::TxButtonNo},
};

}  // namespace

QWidget* QtPrompter::parent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return parent_ ? parent_.data() : QApplication::activeWindow();
}

Answer QtPrompter::ask(const std::string& text, Buttons buttons, Answer defaultAnswer, Icon icon) {
    QMessageBox box(boxIcon(icon), qs(velno::text::tr(velno::text::TxAppName)), qs(text),
                    QMessageBox::NoButton, parent());
    QMessageBox::StandardButtons set;
    switch (buttons) {
        case Buttons::Ok:
            set = QMessageBox::Ok;
            break;
        case Buttons::OkCancel:
            set = QMessageBox::Ok | QMessageBox::Cancel;
            break;
        case Buttons::YesNo:
            set = QMessageBox::Yes | QMessageBox::No;
            break;
        case Buttons::YesNoCancel:
            set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            break;
    }
    box.setStandardButtons(set);
    for (const auto& [button, id] : kButtonTexts)
        if (QAbstractButton* b = box.button(button)) b->setText(qs(velno::text::tr(id)));
    box.setDefaultButton(standard(defaultAnswer));
    // Escape answers Cancel where there is one, else No.
    if (set & QMessageBox::Cancel)
        box.setEscapeButton(QMessageBox::Cancel);
    else if (set & QMessageBox::No)
        box.setEscapeButton(QMessageBox::No);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Ok:
            return Answer::Ok;
        default:
            break;
    }
    // Closed without a button: the escape answer.
    if (set & QMessageBox::Cancel) return Answer::Cancel;
    if (set & QMessageBox::No) return Answer::No;
    return Answer::Ok;
}

void QtPrompter::tell(const std::string& text, Icon icon) {
    QMessageBox box(boxIcon(icon), qs(velno::text::tr(velno::text::TxAppName)), qs(text),
                    QMessageBox::Ok, parent());
    box.button(QMessageBox::Ok)->setText(qs(velno::text::tr(velno::text::TxButtonOk)));
    box.exec();
}

void QtPrompter::askPassword(PasswordPrompt& model) {
    PasswordDialog dialog(model, parent());
    dialog.exec();
}

void QtPrompter::askNewPassword(PasswordChangeModel& model) {
    PasswordChangeDialog dialog(model, parent());
    dialog.exec();
}

}  // namespace velno::app
