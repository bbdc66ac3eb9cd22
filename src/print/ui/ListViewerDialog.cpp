#include "print/ui/ListViewerDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "store/DesktopServices.h"
#include "text/StringTable.h"
#include "text/texts/AppTexts.h"
#include "text/texts/PrintTexts.h"
#include "text/texts/ReportingTexts.h"
#include "text/ui/QtText.h"

namespace velno::print {

namespace {

void fill(QComboBox* box, const std::vector<std::string>& items, int current) {
    const QSignalBlocker block(box);
    box->clear();
    for (const std::string& item : items) box->addItem(qs(item));
    box->setVisible(!items.empty());
    box->setCurrentIndex(current);
}

}  // namespace

ListViewerDialog::ListViewerDialog(ListViewerModel& model, Actions actions, QWidget* parent)
    : QDialog(parent), model_(model), actions_(std::move(actions)) {
    setObjectName("dialog115");
    auto* layout = new QVBoxLayout(this);
    auto* choosers = new QHBoxLayout;
    type_ = new QComboBox(this);
    type_->setObjectName("control200");
    second_ = new QComboBox(this);
    second_->setObjectName("control202");
    filter_ = new QComboBox(this);
    filter_->setObjectName("control204");
    choosers->addWidget(type_, 2);
    choosers->addWidget(second_, 1);
    choosers->addWidget(filter_, 1);
    layout->addLayout(choosers);
    rows_ = new QListWidget(this);
    rows_->setObjectName("control201");
    rows_->setMinimumSize(520, 320);
    layout->addWidget(rows_);
    summary_ = new QLabel(this);
    summary_->setObjectName("control205");
    layout->addWidget(summary_);

    auto* buttons = new QHBoxLayout;
    auto* print = new QPushButton("&" + qs(text::tr(text::TxPrintWord)), this);
    print->setObjectName("control3");
    auto* setup = new QPushButton(qs(text::tr(text::TxListPrintSetup)), this);
    setup->setObjectName("control129");
    copy_ = new QPushButton(qs(text::tr(text::TxListCopy)), this);
    copy_->setObjectName("control287");
    edit_ = new QPushButton(qs(text::tr(text::TxListEdit)), this);
    edit_->setObjectName("control4");
    auto* done = new QPushButton(qs(text::tr(text::TxFinished)), this);
    done->setObjectName("control2");
    for (QPushButton* b : {print, setup, copy_, edit_}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(done);
    layout->addLayout(buttons);

    const auto modes = model_.modes();
    fill(type_, model_.modeTexts(), 0);
    for (std::size_t i = 0; i < modes.size(); ++i)
        if (modes[i] == model_.mode()) type_->setCurrentIndex(static_cast<int>(i));

    connect(type_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0 || index >= static_cast<int>(model_.modes().size())) return;
        model_.setMode(model_.modes()[index]);
        refresh();
    });
    connect(second_, &QComboBox::currentIndexChanged, this, [this](int index) {
        model_.setSecondChoice(index);
        refresh();
    });
    connect(filter_, &QComboBox::currentIndexChanged, this, [this](int index) {
        model_.setFilterChoice(index);
        refresh();
    });
    connect(print, &QPushButton::clicked, this, [this] {
        setListToPrint(printedList(model_));
        if (actions_.print) actions_.print();
    });
    connect(setup, &QPushButton::clicked, this, [this] {
        if (actions_.printerSetup) actions_.printerSetup();
    });
    connect(copy_, &QPushButton::clicked, this, [this] {
        if (actions_.clipboard) model_.copy(*actions_.clipboard);
    });
    connect(edit_, &QPushButton::clicked, this, [this] {
        const int row = rows_->currentRow();
        const auto& rows = model_.list().rows;
        if (!actions_.edit || row < 0 || row >= static_cast<int>(rows.size())) return;
        actions_.edit(rows[row].pos);
        model_.setMode(model_.mode());
        refresh();
    });
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    setup->setVisible(static_cast<bool>(actions_.printerSetup));
    refresh();
}

void ListViewerDialog::refresh() {
    fill(second_, model_.secondChoices(), model_.secondChoice());
    fill(filter_, model_.filterChoices(), model_.filterChoice());
    rows_->clear();
    for (const ListRow& row : model_.list().rows) rows_->addItem(qs(row.text));
    setWindowTitle(qs(model_.title()));
    summary_->setText(qs(model_.summary()));
    copy_->setVisible(model_.copyVisible());
    edit_->setVisible(model_.editVisible() && static_cast<bool>(actions_.edit));
}

}  // namespace velno::print
