#include "exchange/ui/GroupFileDialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "text/StringTable.h"
#include "text/texts/ExchangeTexts.h"
#include "text/ui/QtText.h"

namespace velno {

// ---- dialog 144 ---------------------------------------------------------------

CollectionFileDialog::CollectionFileDialog(CollectionFileModel& model, MailComposer& mail,
                                           GroupChooser chooser, QWidget* parent)
    : QDialog(parent), model_(model), mailer_(mail), chooser_(std::move(chooser)) {
    setObjectName("dialog144");
    auto* layout = new QVBoxLayout(this);
    current_ = new QRadioButton(qs(model_.currentMonthText()), this);
    next_ = new QRadioButton(qs(model_.nextMonthText()), this);
    current_->setChecked(true);
    auto* months = new QHBoxLayout;
    months->addWidget(current_);
    months->addWidget(next_);
    months->addStretch();
    layout->addLayout(months);
    overseer_ = new QLabel(this);
    publishers_ = new QLabel(this);
    missing_ = new QLabel(this);
    for (QLabel* l : {overseer_, publishers_, missing_}) layout->addWidget(l);
    empty_ = new QCheckBox(this);
    layout->addWidget(empty_);
    email_ = new QLineEdit(qs(model_.secretaryEmail()), this);
    email_->setMaxLength(50);
    layout->addWidget(email_);
    assistant_ = new QCheckBox(qs(text::tr(text::TxMailAssistant)), this);
    layout->addWidget(assistant_);
    mail_ = new QPushButton(this);
    save_ = new QPushButton(this);
    other_ = new QPushButton(qs(text::tr(text::TxOtherGroup)), this);
    done_ = new QPushButton(qs(text::tr(text::TxCollectionFinished)), this);
    for (QPushButton* b : {mail_, save_, other_, done_}) b->setAutoDefault(false);
    // The three ways on share the column; closing sits apart, at its
    // caption's width.
    for (QPushButton* b : {mail_, save_, other_}) layout->addWidget(b);
    layout->addWidget(done_, 0, Qt::AlignRight);
    done_->setDefault(true);

    connect(current_, &QRadioButton::toggled, this, [this](bool on) {
        if (!on) return;
        model_.chooseNextMonth(false);
        refresh();
    });
    connect(next_, &QRadioButton::toggled, this, [this](bool on) {
        if (!on) return;
        model_.chooseNextMonth(true);
        refresh();
    });
    connect(empty_, &QCheckBox::clicked, this, [this](bool on) {
        model_.setEmptyList(on);
        refresh();
    });
    connect(assistant_, &QCheckBox::clicked, this, [this](bool on) {
        model_.setMailToAssistant(on);
        refresh();
    });
    connect(email_, &QLineEdit::textChanged, this,
            [this](const QString& t) { model_.setSecretaryEmail(t.toStdString()); });
    connect(save_, &QPushButton::clicked, this, [this] {
        std::filesystem::path path;
        model_.makeFile(path);
        refresh();
    });
    connect(mail_, &QPushButton::clicked, this, [this] {
        std::filesystem::path path;
        model_.makeAndMail(mailer_, path);
        refresh();
    });
    connect(other_, &QPushButton::clicked, this, [this] {
        if (!chooser_) return;
        if (const int g = chooser_(this, model_.group()); g > 0) model_.setGroup(g);
        refresh();
    });
    connect(done_, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
}

void CollectionFileDialog::refresh() {
    setWindowTitle(qs(model_.title()));
    overseer_->setText(qs(model_.overseerText()));
    publishers_->setText(qs(model_.publishersText()));
    missing_->setText(qs(model_.missingText()));
    empty_->setText(qs(model_.emptyListText()));
    empty_->setVisible(model_.isEmptyListVisible());
    {
        const QSignalBlocker a(empty_), b(assistant_);
        empty_->setChecked(model_.emptyList());
        assistant_->setChecked(model_.mailToAssistant());
    }
    email_->setText(qs(model_.secretaryEmail()));
    assistant_->setVisible(model_.isAssistantVisible());
    mail_->setText(qs(model_.mailButtonText()));
    mail_->setEnabled(model_.isMailEnabled());
    save_->setText(qs(model_.saveButtonText()));
    save_->setEnabled(model_.isSaveEnabled());
}

// ---- dialog 145 ---------------------------------------------------------------

ImportSelectionDialog::ImportSelectionDialog(ImportSelectionModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog145");
    setWindowTitle(qs(model_.title()));
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    available_ = new QLabel(qs(model_.availableText()), this);
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setMouseTracking(true);
    list_->setMinimumSize(list_->fontMetrics().horizontalAdvance(QString(34, 'x')),
                          list_->fontMetrics().height() * 16);
    for (const auto& line : model_.lines()) list_->addItem(qs(line));
    selected_ = new QLabel(this);
    left->addWidget(available_);
    left->addWidget(list_, 1);
    left->addWidget(selected_);
    auto* pick = new QHBoxLayout;
    all_ = new QPushButton(qs(text::tr(text::TxImportSelectAll)), this);
    none_ = new QPushButton(qs(text::tr(text::TxImportSelectNone)), this);
    pick->addWidget(all_);
    pick->addWidget(none_);
    left->addLayout(pick);
    layout->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    name_ = new QLabel(this);
    late_ = new QLabel(this);
    hint_ = new QLabel(qs(text::tr(text::TxPreviewHint)), this);
    hint_->setWordWrap(true);
    grid_ = new QTableWidget(2, 4, this);
    grid_->setHorizontalHeaderLabels(
        {qs(text::tr(text::TxColumnShared)), qs(text::tr(text::TxColumnStudies)),
         qs(text::tr(text::TxColumnHours)), qs(text::tr(text::TxColumnRemark))});
    grid_->setVerticalHeaderLabels(
        {qs(text::tr(text::TxRowNew)), qs(text::tr(text::TxRowReplaced))});
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setMinimumWidth(grid_->fontMetrics().horizontalAdvance(QString(52, 'x')));
    grid_->setFixedHeight(grid_->horizontalHeader()->sizeHint().height() +
                          2 * grid_->verticalHeader()->defaultSectionSize() + 4);
    for (QWidget* w : {static_cast<QWidget*>(name_), static_cast<QWidget*>(late_),
                       static_cast<QWidget*>(hint_), static_cast<QWidget*>(grid_)})
        right->addWidget(w);
    right->addStretch();
    ok_ = new QPushButton(qs(text::tr(text::TxImportSelected)), this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(qs(text::tr(text::TxBackupCancel)), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    right->addLayout(buttons);
    layout->addLayout(right);

    list_->selectAll();
    connect(list_, &QListWidget::itemSelectionChanged, this,
            &ImportSelectionDialog::selectionChanged);
    connect(list_, &QListWidget::itemEntered, this,
            [this](QListWidgetItem* item) { showPreview(list_->row(item)); });
    // By keyboard the line with the focus is previewed.
    connect(list_, &QListWidget::currentRowChanged, this, &ImportSelectionDialog::showPreview);
    connect(all_, &QPushButton::clicked, list_, &QListWidget::selectAll);
    connect(none_, &QPushButton::clicked, list_, &QListWidget::clearSelection);
    connect(ok_, &QPushButton::clicked, this, [this] {
        model_.merge();
        accept();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    selectionChanged();
    showPreview(-1);
}

void ImportSelectionDialog::selectionChanged() {
    for (int i = 0; i < list_->count(); ++i) model_.select(i, list_->item(i)->isSelected());
    selected_->setText(qs(model_.selectedText()));
    ok_->setVisible(model_.isOkVisible());
}

void ImportSelectionDialog::showPreview(int line) {
    const bool shown = line >= 0 && line < list_->count();
    hint_->setVisible(!shown);
    for (QWidget* w :
         {static_cast<QWidget*>(name_), static_cast<QWidget*>(late_), static_cast<QWidget*>(grid_)})
        w->setVisible(shown);
    if (!shown) return;
    const auto p = model_.preview(line);
    name_->setText(qs(p.name));
    late_->setText(qs(p.lateMonth));
    const std::string cells[2][4] = {{p.newShared, p.newStudies, p.newHours, p.newRemark},
                                     {p.oldShared, p.oldStudies, p.oldHours, ""}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c) grid_->setItem(r, c, new QTableWidgetItem(qs(cells[r][c])));
    for (int c = 0; c < 3; ++c) grid_->resizeColumnToContents(c);
}

}  // namespace velno
