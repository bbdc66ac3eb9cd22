#include "reporting/ui/ReportSlipDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "text/texts/AppTexts.h"
#include "text/texts/ReportingTexts.h"
#include "text/ui/QtText.h"

namespace velno {

namespace {

SlipKey slipKeyOf(const QKeyEvent* k) {
    switch (k->key()) {
        case Qt::Key_Backspace:
            return SlipKey::Backspace;
        case Qt::Key_Period:
            return SlipKey::Period;
        case Qt::Key_Space:
            return SlipKey::Space;
        case Qt::Key_Delete:
            return SlipKey::Delete;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return SlipKey::Enter;
        case Qt::Key_Right:
            return SlipKey::Right;
        case Qt::Key_Left:
            return SlipKey::Left;
        default:
            break;
    }
    if (k->key() >= Qt::Key_0 && k->key() <= Qt::Key_9) return SlipKey::Digit;
    return SlipKey::Other;
}

void setTextKept(QLineEdit* edit, const std::string& text) {
    // Rewriting an unchanged text would move the cursor under the typist.
    const QString t = qs(text);
    if (edit->text() != t) edit->setText(t);
}

}  // namespace

ReportSlipDialog::ReportSlipDialog(ReportSlipModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog107");
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);

    name_ = new QLabel(this);
    QFont bold = name_->font();
    bold.setBold(true);
    name_->setFont(bold);
    group_ = new QLabel(this);
    month_ = new QLabel(this);
    privilege_ = new QLabel(this);
    pioneer_ = new QLabel(this);
    auxiliary_ = new QCheckBox(qs(model_.auxiliaryCaption()), this);
    shared_ = new QCheckBox(qs(model_.sharedCaption()), this);
    shared_->setToolTip(qs(model_.sharedTooltip()));
    hoursCaption_ = new QLabel(qs(model_.hoursCaption()), this);
    studiesCaption_ = new QLabel(qs(model_.studiesCaption()), this);
    hours_ = new QLineEdit(this);
    studies_ = new QLineEdit(this);
    hours_->setObjectName("hours");
    studies_->setObjectName("studies");
    for (QLineEdit* e : {hours_, studies_}) {
        e->setMaxLength(5);
        e->setFixedWidth(e->fontMetrics().horizontalAdvance("00000") + 16);
        e->setAlignment(Qt::AlignRight);
    }
    credit_ = new QLabel(this);
    info_ = new QLabel(this);
    info_->setWordWrap(true);
    info_->setMinimumWidth(info_->fontMetrics().horizontalAdvance(QString(60, 'x')));
    remarkEdit_ = new QLineEdit(this);
    remarkEdit_->setObjectName("remark");
    // The editor takes the whole remark; the model cuts it on leaving.
    remarkEdit_->setMaxLength(80);
    monthList_ = new QListWidget(this);
    for (const auto& m : model_.monthListEntries()) monthList_->addItem(qs(m));
    monthList_->setMaximumHeight(monthList_->sizeHintForRow(0) * 6 + 8);
    monthOk_ = new QPushButton(qs(text::tr(text::TxButtonOk)), this);

    grid->addWidget(name_, 0, 0, 1, 3);
    grid->addWidget(group_, 0, 3, Qt::AlignRight);
    grid->addWidget(month_, 1, 0, 1, 3);
    grid->addWidget(privilege_, 1, 3, Qt::AlignRight);
    grid->addWidget(pioneer_, 2, 0, 1, 4);
    grid->addWidget(auxiliary_, 2, 0, 1, 4);
    grid->addWidget(hoursCaption_, 3, 1, Qt::AlignBottom);
    grid->addWidget(studiesCaption_, 3, 2, Qt::AlignBottom);
    grid->addWidget(shared_, 4, 0);
    grid->addWidget(hours_, 4, 1);
    grid->addWidget(studies_, 4, 2);
    grid->addWidget(credit_, 4, 3);
    grid->addWidget(info_, 5, 0, 1, 4);
    grid->addWidget(remarkEdit_, 6, 0, 1, 4);
    grid->addWidget(monthList_, 7, 0, 1, 3);
    grid->addWidget(monthOk_, 7, 3, Qt::AlignTop);
    grid->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    ok_ = new QPushButton(qs(text::tr(text::TxButtonOk)), this);
    cancel_ = new QPushButton(qs(text::tr(text::TxButtonCancel)), this);
    remark_ = new QPushButton(qs(text::tr(text::TxRemarkButton)), this);
    lateMonth_ = new QPushButton(qs(model_.lateMonthButtonText()), this);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    buttons->addWidget(remark_);
    buttons->addWidget(lateMonth_);
    layout->addLayout(buttons);
    // Enter is the slip's own key: no button takes it behind its back.
    for (QPushButton* b : {ok_, cancel_, remark_, lateMonth_, monthOk_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    setTabOrder(auxiliary_, shared_);
    setTabOrder(shared_, hours_);
    setTabOrder(hours_, studies_);
    setTabOrder(studies_, ok_);
    setTabOrder(ok_, cancel_);
    setTabOrder(cancel_, remark_);
    setTabOrder(remark_, lateMonth_);
    setTabOrder(lateMonth_, remarkEdit_);
    setTabOrder(remarkEdit_, monthList_);
    setTabOrder(monthList_, monthOk_);

    for (QWidget* w : {static_cast<QWidget*>(auxiliary_), static_cast<QWidget*>(shared_),
                       static_cast<QWidget*>(hours_), static_cast<QWidget*>(studies_),
                       static_cast<QWidget*>(ok_), static_cast<QWidget*>(cancel_),
                       static_cast<QWidget*>(remark_), static_cast<QWidget*>(lateMonth_)})
        w->installEventFilter(this);
    monthList_->installEventFilter(this);

    connect(shared_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setShared(on);
        syncFromModel();
    });
    connect(auxiliary_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setAuxiliary(on);
        syncFromModel();
    });
    connect(hours_, &QLineEdit::textEdited, this, [this](const QString& t) {
        model_.setHoursText(t.toStdString());
        syncFromModel();
    });
    connect(studies_, &QLineEdit::textEdited, this,
            [this](const QString& t) { model_.setStudiesText(t.toStdString()); });
    connect(ok_, &QPushButton::clicked, this, &ReportSlipDialog::save);
    connect(cancel_, &QPushButton::clicked, this, &ReportSlipDialog::reject);
    connect(remark_, &QPushButton::clicked, this, [this] {
        model_.beginRemark();
        syncFromModel();
        remarkEdit_->setText(qs(model_.remarkText()));
        remarkEdit_->setFocus();
    });
    connect(remarkEdit_, &QLineEdit::editingFinished, this, &ReportSlipDialog::finishRemark);
    connect(lateMonth_, &QPushButton::clicked, this, [this] {
        model_.showMonthList();
        syncFromModel();
        monthList_->setCurrentRow(model_.month0());
        monthList_->setFocus();
    });
    connect(monthList_, &QListWidget::itemClicked, this, &ReportSlipDialog::chooseMonth);
    connect(monthList_, &QListWidget::itemActivated, this, &ReportSlipDialog::chooseMonth);
    connect(monthOk_, &QPushButton::clicked, this, &ReportSlipDialog::chooseMonth);

    syncFromModel();
    // The first field a secretary types into.
    (model_.hoursVisible() ? static_cast<QWidget*>(hours_) : static_cast<QWidget*>(shared_))
        ->setFocus();
}

void ReportSlipDialog::syncFromModel() {
    setWindowTitle(qs(model_.title()));
    name_->setText(qs(model_.nameText()));
    month_->setText(qs(model_.monthText()));
    group_->setText(qs(model_.groupLabel()));
    privilege_->setText(qs(model_.privilegeLabel()));
    pioneer_->setText(qs(model_.pioneerLabel()));
    {
        const QSignalBlocker a(auxiliary_), s(shared_);
        auxiliary_->setChecked(model_.auxiliaryChecked());
        shared_->setChecked(model_.shared());
    }
    setTextKept(hours_, model_.hoursText());
    setTextKept(studies_, model_.studiesText());
    credit_->setText(qs(model_.creditText()));
    QStringList lines;
    for (const auto& line : model_.infoLines()) lines << qs(line);
    info_->setText(lines.join('\n'));

    const bool others = model_.otherControlsVisible();
    for (QWidget* w :
         {static_cast<QWidget*>(group_), static_cast<QWidget*>(privilege_),
          static_cast<QWidget*>(info_), static_cast<QWidget*>(shared_), static_cast<QWidget*>(ok_),
          static_cast<QWidget*>(cancel_), static_cast<QWidget*>(remark_)})
        w->setVisible(others);
    pioneer_->setVisible(others && !model_.auxiliaryCheckVisible());
    auxiliary_->setVisible(others && model_.auxiliaryCheckVisible());
    hours_->setVisible(others && model_.hoursVisible());
    hoursCaption_->setVisible(hours_->isVisibleTo(this));
    studies_->setVisible(others && model_.studiesVisible());
    studiesCaption_->setVisible(studies_->isVisibleTo(this));
    credit_->setVisible(others && model_.creditVisible());
    lateMonth_->setVisible(model_.lateMonthButtonVisible());
    remarkEdit_->setVisible(model_.remarkEditorVisible());
    monthList_->setVisible(model_.monthListVisible());
    if (model_.monthListVisible() && monthList_->currentRow() < 0)
        monthList_->setCurrentRow(model_.month0());
    monthOk_->setVisible(model_.monthListVisible());
}

bool ReportSlipDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == hours_ && event->type() == QEvent::FocusOut) {
        model_.hoursFocusLost();
        syncFromModel();
        return false;
    }
    if (watched == monthList_) {
        // Leaving the list chooses its month too.
        if (event->type() == QEvent::FocusOut && model_.monthListVisible()) chooseMonth();
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    SlipControl control = SlipControl::Other;
    if (watched == shared_)
        control = SlipControl::Shared;
    else if (watched == hours_)
        control = SlipControl::Hours;
    else if (watched == studies_)
        control = SlipControl::Studies;
    else if (watched == ok_)
        control = SlipControl::Ok;
    return handleKey(control, watched, key);
}

bool ReportSlipDialog::handleKey(SlipControl control, QObject* watched, QKeyEvent* key) {
    const SlipKey slipKey = slipKeyOf(key);
    // Tab, Escape and the mnemonics stay the dialog's.
    if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return false;
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Escape)
        return false;
    if (slipKey == SlipKey::Other && key->text().isEmpty()) return false;
    switch (model_.onKey(control, slipKey)) {
        case SlipKeyAction::Insert:
            return false;
        case SlipKeyAction::Ignore:
            return true;
        case SlipKeyAction::ReplacedByZero: {
            auto* edit = qobject_cast<QLineEdit*>(watched);
            syncFromModel();
            if (edit) edit->selectAll();
            return true;
        }
        case SlipKeyAction::FocusNext:
            focusNextPrevChild(true);
            return true;
        case SlipKeyAction::FocusPrevious:
            focusNextPrevChild(false);
            return true;
        case SlipKeyAction::FocusShared:
            shared_->setFocus(Qt::OtherFocusReason);
            return true;
        case SlipKeyAction::FocusStudies:
            if (studies_->isVisible())
                studies_->setFocus(Qt::OtherFocusReason);
            else
                focusNextPrevChild(false);
            return true;
        case SlipKeyAction::Save:
            save();
            return true;
    }
    return false;
}

void ReportSlipDialog::save() {
    if (finishing_) return;
    finishing_ = true;
    model_.setHoursText(hours_->text().toStdString());
    model_.setStudiesText(studies_->text().toStdString());
    result_ = model_.save();
    accept();
}

void ReportSlipDialog::finishRemark() {
    if (finishing_ || !model_.remarkEditorVisible()) return;
    model_.setHoursText(hours_->text().toStdString());
    model_.setStudiesText(studies_->text().toStdString());
    const SlipSaveResult r = model_.finishRemark(remarkEdit_->text().toStdString());
    if (!model_.closed()) {
        // The text could not be stored as it is: the editor stays.
        syncFromModel();
        return;
    }
    finishing_ = true;
    result_ = r;
    accept();
}

void ReportSlipDialog::chooseMonth() {
    if (!model_.monthListVisible()) return;
    const int row = monthList_->currentRow();
    if (row >= 0)
        model_.chooseMonth(row);
    else
        model_.leaveMonthList();
    syncFromModel();
    (model_.hoursVisible() ? static_cast<QWidget*>(hours_) : static_cast<QWidget*>(shared_))
        ->setFocus();
}

void ReportSlipDialog::reject() {
    if (!finishing_) model_.cancel();
    QDialog::reject();
}

}  // namespace velno
