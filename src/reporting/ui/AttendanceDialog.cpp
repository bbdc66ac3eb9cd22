#include "reporting/ui/AttendanceDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "text/texts/AnalysisTexts.h"
#include "text/texts/ReportingTexts.h"
#include "text/ui/QtText.h"

namespace velno {

AttendanceDialog::AttendanceDialog(AttendanceModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog109");
    auto* layout = new QHBoxLayout(this);

    auto* lists = new QVBoxLayout;
    years_ = new QListWidget(this);
    months_ = new QListWidget(this);
    const int row = years_->fontMetrics().height() + 4;
    years_->setFixedSize(years_->fontMetrics().horizontalAdvance("Desember") + 40, row * 3 + 8);
    months_->setFixedWidth(years_->width());
    months_->setMinimumHeight(row * 8);
    early_ = new QCheckBox(qs(model_.earlyBoxCaption()), this);
    lists->addWidget(years_);
    lists->addWidget(months_, 1);
    lists->addWidget(early_);
    layout->addLayout(lists);

    auto* blocks = new QVBoxLayout;
    for (int b = 0; b < kMeetingBlocks; ++b) {
        boxes_[b] = new QGroupBox(qs(model_.blockName(b)), this);
        auto* form = new QFormLayout(boxes_[b]);
        for (int w = 0; w < kMeetingWeeks; ++w) {
            auto* edit = new QLineEdit(boxes_[b]);
            edit->setObjectName(QString("week%1_%2").arg(b).arg(w + 1));
            edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("00000") + 16);
            edit->setAlignment(Qt::AlignRight);
            edit->installEventFilter(this);
            weeks_[b][w] = edit;
            form->addRow(qs(model_.weekCaption(w)), edit);
        }
        totals_[b] = new QLabel(boxes_[b]);
        averages_[b] = new QLabel(boxes_[b]);
        form->addRow(qs(text::tr(text::TxAttendanceTotal)), totals_[b]);
        form->addRow(qs(text::tr(text::TxAttendanceAverage)), averages_[b]);
        blocks->addWidget(boxes_[b]);
    }
    auto* buttonRow = new QHBoxLayout;
    finish_ = new QPushButton(qs(text::tr(text::TxFinished)), this);
    finish_->setAutoDefault(false);
    buttonRow->addStretch();
    buttonRow->addWidget(finish_);
    blocks->addLayout(buttonRow);
    layout->addLayout(blocks, 1);

    // The weeks in order, midweek then weekend, then the lists.
    QWidget* previous = nullptr;
    for (int b = 0; b < kMeetingBlocks; ++b)
        for (int w = 0; w < kMeetingWeeks; ++w) {
            if (previous) setTabOrder(previous, weeks_[b][w]);
            previous = weeks_[b][w];
        }
    setTabOrder(previous, finish_);
    setTabOrder(finish_, years_);
    setTabOrder(years_, months_);
    setTabOrder(months_, early_);

    connect(years_, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r < 0) return;
        model_.selectYearRow(r);
        syncLists();
        syncFields();
    });
    connect(months_, &QListWidget::currentRowChanged, this, [this](int r) {
        const auto rows = model_.monthRows();
        if (r < 0 || r >= static_cast<int>(rows.size())) return;
        model_.selectMonth(rows[r]);
        syncFields();
    });
    connect(early_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setEarly(on);
        syncLists();
        syncFields();
    });
    connect(finish_, &QPushButton::clicked, this, [this] {
        finished_ = true;
        model_.finish();
        accept();
    });

    syncLists();
    syncFields();
    showFocus();
}

void AttendanceDialog::syncLists() {
    const QSignalBlocker y(years_), m(months_), e(early_);
    if (years_->count() == 0)
        for (const auto& r : model_.yearRows()) years_->addItem(qs(r));
    years_->setCurrentRow(model_.selectedYearRow());
    months_->clear();
    const auto rows = model_.monthRows();
    for (const auto& t : model_.monthRowTexts()) months_->addItem(qs(t));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i)
        if (rows[i] == model_.selectedMonth()) months_->setCurrentRow(i);
    years_->setVisible(model_.listsVisible());
    months_->setVisible(model_.listsVisible());
    early_->setVisible(model_.earlyBoxVisible());
    early_->setChecked(model_.earlyChecked());
}

void AttendanceDialog::syncFields() {
    setWindowTitle(qs(model_.title()));
    for (int b = 0; b < kMeetingBlocks; ++b) {
        for (int w = 0; w < kMeetingWeeks; ++w) {
            QLineEdit* edit = weeks_[b][w];
            const QString t = qs(model_.weekText(b, w));
            if (edit->text() != t) edit->setText(t);
            edit->setEnabled(model_.fieldsEnabled());
        }
        totals_[b]->setText(qs(model_.totalText(b)));
        averages_[b]->setText(qs(model_.averageText(b)));
    }
}

void AttendanceDialog::showFocus() {
    const AttendanceModel::Field f = model_.focus();
    QLineEdit* edit = weeks_[f.block][f.week];
    if (!edit->hasFocus()) edit->setFocus(Qt::OtherFocusReason);
    if (model_.focusSelected())
        edit->selectAll();
    else
        edit->setCursorPosition(edit->text().size());
}

bool AttendanceDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit) return false;
    AttendanceModel::Field field;
    bool found = false;
    for (int b = 0; b < kMeetingBlocks && !found; ++b)
        for (int w = 0; w < kMeetingWeeks && !found; ++w)
            if (weeks_[b][w] == edit) {
                field = {b, w};
                found = true;
            }
    if (!found) return false;
    if (event->type() == QEvent::FocusIn) {
        if (!(model_.focus() == field)) {
            model_.setFocus(field);
            edit->selectAll();
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return false;
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Escape)
        return false;
    if (!(model_.focus() == field)) model_.setFocus(field);
    AttendanceModel::Key k = AttendanceModel::Key::Character;
    char ch = 0;
    switch (key->key()) {
        case Qt::Key_Up:
            k = AttendanceModel::Key::Up;
            break;
        case Qt::Key_Down:
            k = AttendanceModel::Key::Down;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            k = AttendanceModel::Key::Enter;
            break;
        case Qt::Key_Backspace:
            k = AttendanceModel::Key::Backspace;
            break;
        default:
            // Tab, Escape and the like stay the dialog's.
            if (key->text().size() != 1) return false;
            ch = key->text().at(0).toLatin1();
            break;
    }
    // The model keeps the selection state, so the model answers every key.
    if (k == AttendanceModel::Key::Backspace && !model_.focusSelected() && edit->hasSelectedText())
        model_.setFocus(field);
    model_.onKey(k, ch);
    syncFields();
    showFocus();
    return true;
}

void AttendanceDialog::reject() {
    if (!finished_) model_.finish();
    QDialog::reject();
}

}  // namespace velno
