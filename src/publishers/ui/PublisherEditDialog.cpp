#include "publishers/ui/PublisherEditDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "publishers/DeletePublisherModel.h"
#include "publishers/GroupPickerModel.h"
#include "publishers/PublisherSelectModel.h"
#include "publishers/ui/ContactDialogs.h"
#include "publishers/ui/DateListsEdit.h"
#include "publishers/ui/DeletePublisherDialog.h"
#include "publishers/ui/GroupPickerDialog.h"
#include "publishers/ui/HouseholdDialog.h"
#include "publishers/ui/PublisherSelectDialog.h"
#include "publishers/ui/ServicePrivilegesDialog.h"
#include "store/GroupTable.h"
#include "text/StringTable.h"
#include "text/texts/PublishersTexts.h"
#include "text/ui/QtText.h"

namespace velno {

namespace {

constexpr EditField kFields[] = {EditField::FirstName, EditField::LastName, EditField::Address,
                                 EditField::Phone,     EditField::Mobile,   EditField::Office,
                                 EditField::Email};

}  // namespace

PublisherEditDialog::PublisherEditDialog(PublisherEditModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog139");
    setWindowTitle(qs(model_.title()));

    // Created in the order of the tab chain: names, group, household and
    // gender, contacts, dates, the boxes, then the buttons.
    auto* top = new QGridLayout;
    auto label = [this](const std::string& text) { return new QLabel(qs(text), this); };
    top->addWidget(label(model_.caption(EditField::FirstName)), 0, 0);
    top->addWidget(addBox(EditField::FirstName), 0, 1);
    top->addWidget(label(model_.caption(EditField::LastName)), 0, 2);
    top->addWidget(addBox(EditField::LastName), 0, 3);
    top->addWidget(addButton(EditButton::Group), 0, 4);

    auto* household = new QHBoxLayout;
    household->addWidget(addCheck(EditCheck::HouseholdHead));
    household->addWidget(addButton(EditButton::Household));
    household->addStretch();
    top->addLayout(household, 1, 1);
    auto* gender = new QHBoxLayout;
    gender->addWidget(addCheck(EditCheck::Brother));
    gender->addWidget(addCheck(EditCheck::Sister));
    gender->addStretch();
    top->addLayout(gender, 1, 3);

    top->addWidget(label(model_.caption(EditField::Address)), 2, 0);
    top->addWidget(addBox(EditField::Address), 2, 1, 1, 4);
    top->addWidget(label(model_.caption(EditField::Phone)), 3, 0);
    top->addWidget(addBox(EditField::Phone), 3, 1);
    top->addWidget(label(model_.caption(EditField::Mobile)), 3, 2);
    top->addWidget(addBox(EditField::Mobile), 3, 3);
    top->addWidget(label(model_.caption(EditField::Office)), 4, 0);
    top->addWidget(addBox(EditField::Office), 4, 1);
    top->addWidget(label(model_.caption(EditField::Email)), 4, 2);
    top->addWidget(addBox(EditField::Email), 4, 3, 1, 2);

    int column = 0;
    for (EditDate date : {EditDate::Birth, EditDate::Baptism}) {
        auto* lists = new DateListsEdit(model_, date, this);
        dates_[static_cast<int>(date)] = lists;
        dateLabels_[static_cast<int>(date)] = label(model_.caption(date));
        top->addWidget(dateLabels_[static_cast<int>(date)], 5, column);
        top->addWidget(lists, 5, column + 1, Qt::AlignLeft);
        column += 2;
    }
    top->addWidget(addSideDate(), 6, 0, 1, 5);
    top->setColumnStretch(1, 1);
    top->setColumnStretch(3, 1);

    // Pioneer kind, appointment, special needs: three columns of boxes.
    auto* boxes = new QGridLayout;
    const EditCheck columns[3][4] = {
        {EditCheck::SpecialPioneer, EditCheck::RegularPioneer, EditCheck::ContinuousAuxiliary,
         EditCheck::Anointed},
        {EditCheck::Elder, EditCheck::Servant, EditCheck::BaptizedBrother,
         EditCheck::CustomCategory},
        {EditCheck::Deaf, EditCheck::Blind, EditCheck::Isolated, EditCheck::Consent},
    };
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 4; ++r)
            if (columns[c][r] != EditCheck::Consent)
                boxes->addWidget(addCheck(columns[c][r]), r, c);
    for (int c = 0; c < 3; ++c) boxes->setColumnStretch(c, 1);
    specialServant_ = label(model_.specialServantText());
    missionary_ = label(model_.missionaryText());
    auto* marks = new QHBoxLayout;
    marks->addWidget(specialServant_);
    marks->addWidget(missionary_);
    marks->addStretch();
    boxes->addLayout(marks, 4, 1);

    auto* consent = new QHBoxLayout;
    consent->addWidget(addCheck(EditCheck::Consent));
    auto* consentDate = new DateListsEdit(model_, EditDate::Consent, this);
    dates_[static_cast<int>(EditDate::Consent)] = consentDate;
    consent->addWidget(consentDate);
    consent->addStretch();
    {
        // The consent date keeps its room while hidden: the dialog keeps its size.
        QSizePolicy policy = consentDate->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        consentDate->setSizePolicy(policy);
    }

    auto* more = new QHBoxLayout;
    for (EditButton b : {EditButton::Privileges, EditButton::Status, EditButton::ExtraInfo,
                         EditButton::SpecialNeeds, EditButton::Contact})
        more->addWidget(addButton(b));
    more->addStretch();
    // A Bible student's conductor.
    auto* conductor = new QHBoxLayout;
    conductor_ = label({});
    conductor->addWidget(addButton(EditButton::PickConductor));
    conductor->addWidget(conductor_);
    conductor->addWidget(addButton(EditButton::ClearConductor));
    conductor->addStretch();
    auto* copy = new QHBoxLayout;
    copy->addWidget(addButton(EditButton::Copy));
    copy->addWidget(addButton(EditButton::ClearCopy));
    copy->addStretch();

    auto* bottom = new QHBoxLayout;
    for (EditButton b :
         {EditButton::Ok, EditButton::Cancel, EditButton::Previous, EditButton::Next})
        bottom->addWidget(addButton(b));
    bottom->addStretch();
    bottom->addWidget(addButton(EditButton::Delete));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addLayout(boxes);
    layout->addLayout(consent);
    layout->addSpacing(6);
    layout->addLayout(more);
    layout->addLayout(conductor);
    layout->addLayout(copy);
    layout->addSpacing(6);
    layout->addLayout(bottom);

    for (DateListsEdit* lists : dates_) {
        connect(lists, &DateListsEdit::focusMove, this,
                [this](bool next) { focusNextPrevChild(next); });
        // A complete baptism date shows "Pelantikan...".
        connect(lists, &DateListsEdit::changed, this, [this] { showModel(); });
    }
    box(EditField::FirstName)->installEventFilter(this);
    showModel();
    box(EditField::FirstName)->setFocus();
}

QGroupBox* PublisherEditDialog::addSideDate() {
    sideDate_ = new QGroupBox(qs(model_.sideDateCaption()), this);
    sideMonth_ = new QComboBox(sideDate_);
    sideYear_ = new QComboBox(sideDate_);
    for (int m = 0; m < 12; ++m) sideMonth_->addItem(qs(text::monthShortName(m)));
    for (const std::string& year : model_.sideYearLines()) sideYear_->addItem(qs(year));
    auto* row = new QHBoxLayout(sideDate_);
    row->addWidget(sideMonth_);
    row->addWidget(sideYear_);
    row->addStretch();
    connect(sideMonth_, &QComboBox::currentIndexChanged, this, [this](int line) {
        if (line >= 0) model_.setSideMonth(line + 1);
    });
    connect(sideYear_, &QComboBox::currentIndexChanged, this, [this](int line) {
        if (line >= 0) model_.setSideYear(sideYear_->itemText(line).toInt());
    });
    return sideDate_;
}

PublisherEditDialog::~PublisherEditDialog() {
    // The model may outlive the dialog.
    if (statusAsker_) model_.runStatusDialog = nullptr;
}

QLineEdit* PublisherEditDialog::addBox(EditField field) {
    auto* edit = new QLineEdit(this);
    if (const int limit = model_.fieldLimit(field)) edit->setMaxLength(limit);
    connect(edit, &QLineEdit::textEdited, this,
            [this, field](const QString& text) { textEdited(field, text); });
    boxes_[static_cast<int>(field)] = edit;
    return edit;
}

QCheckBox* PublisherEditDialog::addCheck(EditCheck check) {
    auto* box = new QCheckBox(qs(model_.caption(check)), this);
    connect(box, &QCheckBox::clicked, this, [this, check](bool on) {
        model_.setChecked(check, on);
        showModel();
    });
    checks_[static_cast<int>(check)] = box;
    return box;
}

QPushButton* PublisherEditDialog::addButton(EditButton which) {
    auto* button = new QPushButton(qs(model_.buttonText(which)), this);
    // Enter is the dialog's own business (see keyPressEvent).
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, which] { clicked(which); });
    buttons_[static_cast<int>(which)] = button;
    return button;
}

void PublisherEditDialog::textEdited(EditField field, const QString& typed) {
    QLineEdit* edit = box(field);
    const int cursor = edit->cursorPosition();
    const TextUpdate update = model_.setText(field, typed.toStdString());
    const QString shown = qs(update.text);
    if (shown != typed) {
        const QSignalBlocker block(edit);
        edit->setText(shown);
        // A refused character leaves the caret where it was before it.
        int caret = update.caret;
        if (caret < 0) caret = std::max(0, cursor - int(typed.size() - shown.size()));
        edit->setCursorPosition(std::min(caret, int(shown.size())));
    } else if (update.caret >= 0) {
        edit->setCursorPosition(update.caret);
    }
    // The last name may have turned the first name into an initial.
    showTexts();
}

void PublisherEditDialog::showTexts() {
    for (EditField field : kFields) {
        QLineEdit* edit = box(field);
        const QString text = qs(model_.text(field));
        if (edit->text() == text) continue;
        const QSignalBlocker block(edit);
        edit->setText(text);
    }
}

void PublisherEditDialog::showModel() {
    setWindowTitle(qs(model_.title()));
    showTexts();
    for (int i = 0; i < kEditCheckCount; ++i) {
        const auto check = static_cast<EditCheck>(i);
        QCheckBox* box = checks_[i];
        const QSignalBlocker block(box);
        box->setText(qs(model_.caption(check)));
        box->setChecked(model_.checked(check));
        box->setVisible(model_.visible(check));
        box->setEnabled(model_.enabled(check));
    }
    for (int i = 0; i < 3; ++i) {
        dates_[i]->showModel();
        dates_[i]->setVisible(model_.dateVisible(static_cast<EditDate>(i)));
    }
    for (int i = 0; i < 2; ++i)
        dateLabels_[i]->setVisible(model_.dateVisible(static_cast<EditDate>(i)));
    conductor_->setText(qs(model_.conductorLine()));
    conductor_->setVisible(model_.conductorVisible());
    sideDate_->setVisible(model_.sideDateVisible());
    {
        const QSignalBlocker blockMonth(sideMonth_);
        const QSignalBlocker blockYear(sideYear_);
        sideMonth_->setCurrentIndex(model_.sideMonth() - 1);
        sideYear_->setCurrentIndex(sideYear_->findText(QString::number(model_.sideYear())));
    }
    specialServant_->setVisible(model_.specialServantVisible());
    missionary_->setVisible(model_.missionaryVisible());
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
        const auto which = static_cast<EditButton>(i);
        QPushButton* button = buttons_[i];
        button->setText(qs(model_.buttonText(which)));
        button->setVisible(model_.visible(which));
        button->setEnabled(model_.enabled(which));
    }
    if (!statusAsker_) button(EditButton::Status)->setEnabled(false);
}

void PublisherEditDialog::setStatusAsker(StatusAsker ask) {
    statusAsker_ = std::move(ask);
    if (statusAsker_)
        model_.runStatusDialog = [this](PublisherStatusModel& status) {
            return statusAsker_(status, this);
        };
    else
        model_.runStatusDialog = nullptr;
    showModel();
}

void PublisherEditDialog::askStatus() {
    if (!statusAsker_) return;
    PublisherStatusModel status = model_.statusDialog();
    if (const auto fields = statusAsker_(status, this)) model_.applyStatus(*fields);
}

void PublisherEditDialog::clicked(EditButton which) {
    switch (which) {
        case EditButton::Group:
            chooseGroup();
            break;
        case EditButton::Status:
            askStatus();
            break;
        case EditButton::Household: {
            HouseholdModel household = model_.householdDialog();
            HouseholdDialog dialog(household, this);
            dialog.exec();
            break;
        }
        case EditButton::Contact: {
            EmergencyContactModel contact = model_.contactDialog();
            EmergencyContactDialog dialog(contact, this);
            dialog.exec();
            break;
        }
        case EditButton::ExtraInfo:
        case EditButton::SpecialNeeds: {
            ExtraInfoModel extra = model_.extraInfoDialog(
                which == EditButton::SpecialNeeds ? ExtraFocus::Need : ExtraFocus::LongName);
            ExtraInfoDialog dialog(extra, this);
            dialog.exec();
            break;
        }
        case EditButton::Copy:
            model_.copyOrPaste();
            break;
        case EditButton::ClearCopy:
            model_.clearCopySource();
            break;
        case EditButton::Ok:
            model_.ok();
            break;
        case EditButton::Cancel:
            reject();
            return;
        case EditButton::Previous:
            model_.previous();
            break;
        case EditButton::Next:
            model_.next();
            break;
        case EditButton::Delete:
            deletePublisher();
            break;
        case EditButton::Privileges:
            editPrivileges();
            break;
        case EditButton::PickConductor:
            chooseConductor();
            break;
        case EditButton::ClearConductor:
            model_.clearConductor();
            break;
        default:
            return;  // not built yet; the button is disabled
    }
    finishStore();
}

void PublisherEditDialog::finishStore() {
    if (model_.closed()) {
        accept();
        return;
    }
    showModel();
}

void PublisherEditDialog::chooseGroup() {
    GroupPickerModel picker(model_.document(), model_.group());
    GroupPickerDialog dialog(picker, this);
    if (dialog.exec() != QDialog::Accepted) return;
    model_.setGroup(picker.ok());
}

void PublisherEditDialog::editPrivileges() {
    // The editor stores first, so the dialog sees the current record.
    auto privileges = model_.privilegesDialog();
    if (!privileges) return;
    ServicePrivilegesDialog dialog(*privileges, this);
    if (dialog.exec() == QDialog::Accepted) model_.privilegesAccepted(dialog.result());
}

void PublisherEditDialog::chooseConductor() {
    auto picker = model_.conductorPicker();
    PublisherSelectDialog dialog(*picker, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (const auto pos = picker->pick()) model_.setConductor(*pos);
}

void PublisherEditDialog::deletePublisher() {
    if (model_.bibleStudent()) {
        model_.askAndDeleteStudent();
        return;
    }
    DeletePublisherModel choice = model_.deleteDialog();
    DeletePublisherDialog dialog(choice, this);
    if (dialog.exec() != QDialog::Accepted) return;
    model_.applyDelete(choice.ok());
}

void PublisherEditDialog::reject() {
    model_.cancel();
    QDialog::reject();
}

void PublisherEditDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // "&OK" acts only with the focus on it; elsewhere Enter moves on.
        const bool onOk = focusWidget() == button(EditButton::Ok);
        if (model_.onEnter(onOk) == EnterAction::Accept)
            clicked(EditButton::Ok);
        else
            focusNextChild();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool PublisherEditDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box(EditField::FirstName) && event->type() == QEvent::FocusOut)
        model_.focusLost(EditField::FirstName);
    return QDialog::eventFilter(watched, event);
}

}  // namespace velno
