#include "reporting/ui/HistoryEditorDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "store/CategoryTally.h"
#include "text/texts/ReportingTexts.h"
#include "text/ui/QtText.h"

namespace velno {

namespace {

// The tally value each field edits in "Totals".
constexpr std::array<int, HistoryEditorDialog::kFields> kTotalValue{
    TallyValue::Placements, TallyValue::Videos, TallyValue::Hours,       TallyValue::ReturnVisits,
    TallyValue::Studies,    -1 /* no credit */, TallyValue::QuarterHours};

}  // namespace

HistoryEditorDialog::HistoryEditorDialog(HistoryEditorModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog152");
    setWindowTitle(qs(model_.title()));
    auto* layout = new QHBoxLayout(this);

    publishers_ = new QListWidget(this);
    for (const auto& n : model_.publisherNames()) publishers_->addItem(qs(n));
    publishers_->setMinimumWidth(publishers_->fontMetrics().horizontalAdvance(QString(28, 'x')));
    layout->addWidget(publishers_, 1);

    auto* lists = new QVBoxLayout;
    months_ = new QListWidget(this);
    for (const auto& m : model_.monthNames()) months_->addItem(qs(m));
    years_ = new QListWidget(this);
    for (int y : model_.yearRows()) years_->addItem(QString::number(y));
    const int row = months_->fontMetrics().height() + 4;
    months_->setFixedSize(months_->fontMetrics().horizontalAdvance("Desember") + 40, row * 12 + 8);
    years_->setFixedSize(months_->width(), row * 3 + 8);
    lists->addWidget(months_);
    lists->addWidget(years_);
    lists->addStretch();
    layout->addLayout(lists);

    auto* right = new QVBoxLayout;
    auto* grid = new QGridLayout;
    const auto captions = model_.fieldCaptions();
    for (int i = 0; i < kFields; ++i) {
        const std::string caption = i < 6 ? captions[i] : text::tr(text::TxHistQuarterHours);
        captions_[i] = new QLabel(qs(caption), this);
        fields_[i] = new QSpinBox(this);
        fields_[i]->setRange(0, i == QuarterHours ? 15 : 65535);
        fields_[i]->setObjectName(QString("field%1").arg(i));
        captions_[i]->setBuddy(fields_[i]);
        grid->addWidget(captions_[i], i, 0);
        grid->addWidget(fields_[i], i, 1);
        connect(fields_[i], &QSpinBox::valueChanged, this, &HistoryEditorDialog::fieldChanged);
    }
    activeCaption_ = new QLabel(qs(text::tr(text::TxHistActive)), this);
    active_ = new QSpinBox(this);
    countCaption_ = new QLabel(qs(text::tr(text::TxHistReporting)), this);
    count_ = new QSpinBox(this);
    for (QSpinBox* s : {active_, count_}) {
        s->setRange(0, 65535);
        connect(s, &QSpinBox::valueChanged, this, &HistoryEditorDialog::fieldChanged);
    }
    grid->addWidget(activeCaption_, kFields, 0);
    grid->addWidget(active_, kFields, 1);
    grid->addWidget(countCaption_, kFields + 1, 0);
    grid->addWidget(count_, kFields + 1, 1);
    right->addLayout(grid);

    const int kindTexts[] = {text::TxHistAuxiliary, text::TxHistRegular, text::TxHistSpecial};
    for (int k = 0; k < 3; ++k) {
        kinds_[k] = new QCheckBox(qs(text::tr(kindTexts[k])), this);
        connect(kinds_[k], &QCheckBox::toggled, this,
                [this, k](bool on) { kindChanged(k + 1, on); });
        right->addWidget(kinds_[k]);
    }
    late_ = new QCheckBox(qs(text::tr(text::TxHistLate)), this);
    underHour_ = new QCheckBox(qs(text::tr(text::TxHistUnderHour)), this);
    underHour_->setToolTip(qs(text::tr(text::TxHistUnderHourTip)));
    shared_ = new QCheckBox(qs(text::tr(text::TxSharedCaption)), this);
    for (QCheckBox* c : {late_, underHour_, shared_}) {
        right->addWidget(c);
        connect(c, &QCheckBox::toggled, this, &HistoryEditorDialog::fieldChanged);
    }
    totals_ = new QCheckBox(qs(text::tr(text::TxHistTotals)), this);
    category_ = new QComboBox(this);
    for (const auto& c : model_.categoryNames()) category_->addItem(qs(c));
    note_ = new QLabel(this);
    note_->setWordWrap(true);
    note_->setFixedWidth(note_->fontMetrics().horizontalAdvance(QString(40, 'x')));
    right->addWidget(totals_);
    right->addWidget(category_);
    right->addWidget(note_);
    right->addStretch();
    close_ = new QPushButton(qs(text::tr(text::TxFinished)), this);
    close_->setDefault(true);
    right->addWidget(close_);
    layout->addLayout(right);

    connect(publishers_, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r >= 0) model_.select(r, -1, -1);
        load();
    });
    connect(months_, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r >= 0) model_.select(-1, r, -1);
        load();
    });
    connect(years_, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r >= 0) model_.select(-1, -1, r);
        load();
    });
    connect(totals_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setTotalsMode(on);
        load();
    });
    connect(category_, &QComboBox::currentIndexChanged, this, [this](int c) {
        model_.setCategory(c);
        load();
    });
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    {
        const QSignalBlocker p(publishers_), m(months_), y(years_);
        publishers_->setCurrentRow(model_.publisherRow());
        months_->setCurrentRow(model_.monthRow());
        years_->setCurrentRow(model_.yearRow());
    }
    load();
    publishers_->setFocus();
}

void HistoryEditorDialog::load() {
    loading_ = true;
    const bool totals = model_.totalsMode();
    const bool held = model_.slotHeld();
    const HistorySlot& v = model_.values();
    const int values[kFields] = {v.placements, v.videos, v.hours,       v.returnVisits,
                                 v.studies,    v.credit, v.quarterHours};
    for (int i = 0; i < kFields; ++i) {
        const bool shown = !totals || kTotalValue[i] >= 0;
        captions_[i]->setVisible(shown);
        fields_[i]->setVisible(shown);
        fields_[i]->setEnabled(held);
        fields_[i]->setValue(totals ? (kTotalValue[i] >= 0 ? model_.totalValue(kTotalValue[i]) : 0)
                                    : values[i]);
    }
    // The number of active publishers belongs to the publishers' row only.
    const bool activeShown = totals && model_.category() == TallyCategory::Publishers;
    activeCaption_->setVisible(activeShown);
    active_->setVisible(activeShown);
    active_->setValue(activeShown ? model_.totalValue(TallyValue::ActivePublishers) : 0);
    countCaption_->setVisible(totals);
    count_->setVisible(totals);
    count_->setValue(totals ? model_.totalValue(TallyValue::Count) : 0);
    for (int k = 0; k < 3; ++k) {
        kinds_[k]->setVisible(!totals);
        kinds_[k]->setEnabled(held);
        kinds_[k]->setChecked(v.kind == k + 1);
    }
    late_->setVisible(!totals && model_.lateVisible());
    late_->setChecked(v.late);
    underHour_->setVisible(!totals && model_.underHourVisible());
    underHour_->setChecked(v.shared);
    shared_->setVisible(!totals && model_.sharedVisible());
    shared_->setChecked(v.shared);
    for (QCheckBox* c : {late_, underHour_, shared_}) c->setEnabled(held);
    category_->setVisible(totals);
    category_->setCurrentIndex(model_.category());
    note_->setText(qs(model_.totalsNote()));
    note_->setVisible(totals);
    publishers_->setEnabled(!totals);
    loading_ = false;
}

void HistoryEditorDialog::kindChanged(int kind, bool on) {
    if (loading_) return;
    HistorySlot v = model_.values();
    if (on)
        v.kind = kind;
    else if (v.kind == kind)
        v.kind = 0;
    model_.setValues(v);
    model_.apply();
    load();
}

void HistoryEditorDialog::fieldChanged() {
    if (loading_) return;
    if (model_.totalsMode()) {
        for (int i = 0; i < kFields; ++i)
            if (kTotalValue[i] >= 0 && fields_[i]->value() != model_.totalValue(kTotalValue[i]))
                model_.setTotalValue(kTotalValue[i], fields_[i]->value());
        if (active_->isVisible() &&
            active_->value() != model_.totalValue(TallyValue::ActivePublishers))
            model_.setTotalValue(TallyValue::ActivePublishers, active_->value());
        if (count_->value() != model_.totalValue(TallyValue::Count))
            model_.setTotalValue(TallyValue::Count, count_->value());
        return;
    }
    HistorySlot v = model_.values();
    v.placements = fields_[Placements]->value();
    v.videos = fields_[Videos]->value();
    v.hours = fields_[Hours]->value();
    v.returnVisits = fields_[ReturnVisits]->value();
    v.studies = fields_[Studies]->value();
    v.credit = fields_[Credit]->value();
    v.quarterHours = fields_[QuarterHours]->value();
    v.late = late_->isChecked();
    // One flag behind two checks: the one on show is the one that changed.
    if (model_.sharedVisible())
        v.shared = shared_->isChecked();
    else if (model_.underHourVisible())
        v.shared = underHour_->isChecked();
    model_.setValues(v);
    model_.apply();
    // "<1 h" comes and goes with the hours.
    const QSignalBlocker u(underHour_);
    underHour_->setVisible(model_.underHourVisible());
    underHour_->setChecked(model_.values().shared);
}

}  // namespace velno
