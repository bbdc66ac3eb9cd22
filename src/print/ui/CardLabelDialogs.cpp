#include "print/ui/CardLabelDialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/PrintTexts.h"
#include "text/ui/QtText.h"

namespace velno::print {

namespace {

QSpinBox* spin(QWidget* parent, const char* name, int min, int max) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(min, max);
    return box;
}

}  // namespace

FirstLabelDialog::FirstLabelDialog(FirstLabelModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog127");
    setWindowTitle(qs(text::tr(text::TxFirstLabelTitle)));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    first_ = spin(this, "firstLabel", 1, kMaxLabelColumns * kMaxLabelRows);
    columns_ = spin(this, "columns", 1, kMaxLabelColumns);
    rows_ = spin(this, "rows", 1, kMaxLabelRows);
    left_ = spin(this, "leftMargin", 0, kMaxLabelMargin);
    top_ = spin(this, "topMargin", 0, kMaxLabelMargin);
    place_ = new QLabel(this);
    form->addRow(qs(text::tr(text::TxFirstLabel)), first_);
    form->addRow(QString(), place_);
    form->addRow(qs(text::tr(text::TxLabelColumns)), columns_);
    form->addRow(qs(text::tr(text::TxLabelRows)), rows_);
    form->addRow(qs(text::tr(text::TxLabelLeftMargin)), left_);
    form->addRow(qs(text::tr(text::TxLabelTopMargin)), top_);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    const auto changed = [this](void (FirstLabelModel::*set)(int)) {
        return [this, set](int value) {
            (model_.*set)(value);
            refresh();
        };
    };
    connect(first_, &QSpinBox::valueChanged, this, changed(&FirstLabelModel::setFirstLabel));
    connect(columns_, &QSpinBox::valueChanged, this, changed(&FirstLabelModel::setColumns));
    connect(rows_, &QSpinBox::valueChanged, this, changed(&FirstLabelModel::setRows));
    connect(left_, &QSpinBox::valueChanged, this, changed(&FirstLabelModel::setLeftMargin));
    connect(top_, &QSpinBox::valueChanged, this, changed(&FirstLabelModel::setTopMargin));
    refresh();
    first_->setFocus();
    first_->selectAll();
}

void FirstLabelDialog::refresh() {
    const LabelSheet& s = model_.sheet();
    const std::pair<QSpinBox*, int> values[] = {{first_, model_.firstLabel()},
                                                {columns_, s.columns},
                                                {rows_, s.rows},
                                                {left_, s.leftMargin},
                                                {top_, s.topMargin}};
    for (const auto& [box, value] : values) {
        const QSignalBlocker block(box);
        box->setValue(value);
    }
    first_->setMaximum(s.labels());
    place_->setText(
        qs(text::arg(text::tr(text::TxFirstLabelPlace), std::to_string(model_.firstRow()),
                     std::to_string(model_.firstColumn()))));
}

}  // namespace velno::print
