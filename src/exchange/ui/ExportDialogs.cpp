#include "exchange/ui/ExportDialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "exchange/ExportFilesWarningModel.h"
#include "exchange/MonthlyExportModel.h"
#include "text/StringTable.h"
#include "text/texts/ExchangeTexts.h"
#include "text/ui/QtText.h"

namespace velno {

// ---- dialog 129 ---------------------------------------------------------------

MonthlyExportDialog::MonthlyExportDialog(MonthlyExportModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog129");
    setWindowTitle(qs(model_.title()));
    auto* layout = new QVBoxLayout(this);
    auto* monthRow = new QHBoxLayout;
    auto* monthLabel = new QLabel(qs(text::tr(text::TxExportMonthLabel)), this);
    month_ = new QComboBox(this);
    month_->setObjectName("combo289");
    for (const std::string& name : model_.monthNames()) month_->addItem(qs(name));
    month_->setCurrentIndex(model_.month0());
    monthLabel->setBuddy(month_);
    monthRow->addWidget(monthLabel);
    monthRow->addWidget(month_, 1);
    layout->addLayout(monthRow);

    comma_ = new QRadioButton(qs(text::tr(text::TxCommaDelimited)), this);
    tab_ = new QRadioButton(qs(text::tr(text::TxTabDelimited)), this);
    auto* delimiters = new QButtonGroup(this);
    delimiters->addButton(comma_);
    delimiters->addButton(tab_);
    (model_.tabDelimited() ? tab_ : comma_)->setChecked(true);
    layout->addWidget(comma_);
    layout->addWidget(tab_);
    header_ = new QCheckBox(qs(text::tr(text::TxIncludeHeader)), this);
    header_->setChecked(model_.header());
    layout->addWidget(header_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Cancel)->setText(qs(text::tr(text::TxExportFilesCancel)));
    ok_->setDefault(true);
    layout->addWidget(buttons);

    connect(month_, &QComboBox::currentIndexChanged, this,
            [this](int index) { model_.selectMonth(index); });
    connect(tab_, &QRadioButton::toggled, this, [this](bool on) { model_.setTabDelimited(on); });
    connect(header_, &QCheckBox::toggled, this, [this](bool on) { model_.setHeader(on); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

// ---- dialog 130 ---------------------------------------------------------------

ExportFilesWarningDialog::ExportFilesWarningDialog(ExportFilesWarningModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog130");
    setWindowTitle(qs(model_.title()));
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::MultiSelection);
    for (int row = 0; row < static_cast<int>(model_.files().size()); ++row) {
        list_->addItem(qs(model_.files()[static_cast<std::size_t>(row)]));
        list_->item(row)->setSelected(model_.isSelected(row));
    }
    if (list_->count() > 0) list_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    layout->addWidget(list_);
    auto* note = new QLabel(qs(model_.text()), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    cancel_->setText(qs(text::tr(text::TxExportFilesCancel)));
    ok_->setDefault(true);
    layout->addWidget(buttons);

    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        for (int row = 0; row < list_->count(); ++row)
            model_.setSelected(row, list_->item(row)->isSelected());
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

}  // namespace velno
