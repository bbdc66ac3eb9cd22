#include "print/ui/ListViewerDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "publishers/ui/TabColumns.h"
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
    // The contact, dial and next-number buttons sit under the list.
    auto* contacts = new QHBoxLayout;
    contact_ = new QPushButton(this);
    contact_->setObjectName("control286");
    dial_ = new QPushButton(this);
    dial_->setObjectName("control5");
    next_ = new QPushButton(qs(text::tr(text::TxNextNumber)), this);
    next_->setObjectName("control6");
    contacts->addWidget(contact_);
    contacts->addWidget(dial_);
    contacts->addWidget(next_);
    contacts->addStretch();
    layout->addLayout(contacts);
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
    connect(rows_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.select(row);
        refreshButtons();
    });
    connect(contact_, &QPushButton::clicked, this, [this] { contact(); });
    connect(dial_, &QPushButton::clicked, this, [this] { contact(); });
    connect(next_, &QPushButton::clicked, this, [this] {
        model_.nextNumber();
        refreshButtons();
    });
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    setup->setVisible(static_cast<bool>(actions_.printerSetup));
    refresh();
}

void ListViewerDialog::refresh() {
    fill(second_, model_.secondChoices(), model_.secondChoice());
    fill(filter_, model_.filterChoices(), model_.filterChoice());
    {
        const QSignalBlocker block(rows_);
        rows_->clear();
        for (const ListRow& row : model_.list().rows) rows_->addItem(qs(row.text));
        // A row's name, contact and further fields line up in columns.
        fitTabColumns(rows_);
        rows_->setCurrentRow(model_.selected());
    }
    setWindowTitle(qs(model_.title()));
    summary_->setText(qs(model_.summary()));
    copy_->setVisible(model_.copyVisible());
    edit_->setVisible(model_.editVisible() && static_cast<bool>(actions_.edit));
    refreshButtons();
}

void ListViewerDialog::refreshButtons() {
    const auto b = model_.buttons();
    contact_->setText(qs(b.contact));
    contact_->setVisible(b.contactVisible);
    contact_->setEnabled(b.contactEnabled);
    dial_->setText(qs(b.dial));
    dial_->setVisible(b.dialVisible);
    next_->setVisible(b.nextVisible);
}

void ListViewerDialog::contact() {
    if (!actions_.mail || !actions_.dialer) return;
    const std::string message = model_.contact(*actions_.mail, *actions_.dialer);
    if (!message.empty() && actions_.tell) actions_.tell(message);
}

}  // namespace velno::print
