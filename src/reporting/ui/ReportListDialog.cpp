#include "reporting/ui/ReportListDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "reporting/ui/ReportSlipDialog.h"
#include "text/texts/AppTexts.h"
#include "text/texts/ReportingTexts.h"
#include "text/ui/QtText.h"

namespace velno {

namespace {
ReportListDialog::ImportAction makeGroupFile, importGroupFile;
ReportListDialog::ImportAction importCsvFile;
ReportListDialog::ImportAction importXmlReports;
}  // namespace

void ReportListDialog::setGroupFileActions(ImportAction make, ImportAction import) {
    makeGroupFile = std::move(make);
    importGroupFile = std::move(import);
}

void ReportListDialog::setCsvImportAction(ImportAction import) {
    importCsvFile = std::move(import);
}

void ReportListDialog::setXmlImportAction(ImportAction import) {
    importXmlReports = std::move(import);
}

ReportListDialog::ReportListDialog(ReportListModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog105");
    setWindowTitle(qs(model_.title()));
    auto* layout = new QHBoxLayout(this);

    auto* left = new QVBoxLayout;
    groups_ = new QComboBox(this);
    for (const auto& g : model_.groupEntries()) groups_->addItem(qs(g));
    onlyNotReported_ = new QCheckBox(qs(model_.onlyNotReportedCaption()), this);
    list_ = new QListWidget(this);
    list_->setMinimumSize(list_->fontMetrics().horizontalAdvance(QString(32, 'x')),
                          list_->fontMetrics().height() * 18);
    left->addWidget(groups_);
    left->addWidget(onlyNotReported_);
    left->addWidget(list_, 1);
    layout->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    ok_ = new QPushButton(qs(text::tr(text::TxButtonOk)), this);
    ok_->setDefault(true);
    right->addWidget(ok_);
    lastBox_ = new QGroupBox(qs(model_.lastEnteredCaption()), this);
    auto* boxLayout = new QVBoxLayout(lastBox_);
    lastEntered_ = new QLabel(lastBox_);
    lastEntered_->setMinimumWidth(lastEntered_->fontMetrics().horizontalAdvance(QString(30, 'x')));
    boxLayout->addWidget(lastEntered_);
    right->addWidget(lastBox_);

    // The imports belong to the exchange part; they show what is coming.
    const int importTexts[] = {text::TxListGroupFileButton, text::TxListGroupImportButton,
                               text::TxListCsvButton};
    for (int id : importTexts) imports_ << new QPushButton(qs(text::tr(id)), this);
    imports_ << new QPushButton(qs(model_.xmlButtonText()), this);
    for (QPushButton* b : imports_) {
        b->setEnabled(false);
        b->setAutoDefault(false);
        right->addWidget(b);
    }
    const ImportAction* actions[] = {&makeGroupFile, &importGroupFile, &importCsvFile,
                                     &importXmlReports};
    for (int i = 0; i < static_cast<int>(std::size(actions)); ++i) {
        if (!*actions[i]) continue;
        imports_[i]->setEnabled(true);
        connect(imports_[i], &QPushButton::clicked, this, [this, action = *actions[i]] {
            action(this);
            fillList();
        });
    }
    right->addStretch();
    closeCollection_ = new QPushButton(qs(model_.closeButtonText()), this);
    finish_ = new QPushButton(qs(text::tr(text::TxFinished)), this);
    for (QPushButton* b : {closeCollection_, finish_}) {
        b->setAutoDefault(false);
        right->addWidget(b);
    }
    layout->addLayout(right);

    setTabOrder(list_, ok_);
    setTabOrder(ok_, groups_);
    setTabOrder(groups_, onlyNotReported_);
    // The imports in their place in the column, between the choices and
    // closing.
    QWidget* previous = onlyNotReported_;
    for (QPushButton* b : imports_) {
        setTabOrder(previous, b);
        previous = b;
    }
    setTabOrder(previous, closeCollection_);
    setTabOrder(closeCollection_, finish_);

    connect(groups_, &QComboBox::currentIndexChanged, this, [this](int index) {
        model_.setGroupIndex(index);
        fillList();
    });
    connect(onlyNotReported_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setOnlyNotReported(on);
        fillList();
    });
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { model_.select(row); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { openSlip(); });
    connect(ok_, &QPushButton::clicked, this, &ReportListDialog::openSlip);
    connect(closeCollection_, &QPushButton::clicked, this, [this] {
        model_.closeCollection();
        accept();
    });
    connect(finish_, &QPushButton::clicked, this, [this] {
        model_.finish();
        accept();
    });

    fillList();
    list_->setFocus();
}

void ReportListDialog::fillList() {
    const QSignalBlocker block(list_);
    list_->clear();
    for (const auto& row : model_.rows()) list_->addItem(qs(row.name));
    if (!model_.rows().empty()) list_->setCurrentRow(model_.selected());
    lastEntered_->setText(qs(model_.lastEnteredName()));
    ok_->setEnabled(!model_.rows().empty());
}

void ReportListDialog::openSlip() {
    if (model_.rows().empty()) return;
    ReportSlipModel slipModel = model_.openSlip();
    if (slipModel.closed()) return;
    ReportSlipDialog slip(slipModel, this);
    slip_ = &slip;
    slip.exec();
    slip_ = nullptr;
    if (slip.saveResult().changed) emit slipSaved();
    model_.slipClosed();
    fillList();
    list_->setFocus();
}

}  // namespace velno
