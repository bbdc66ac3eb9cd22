#include "reporting/ui/YearDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"
#include "text/ui/QtText.h"

namespace velno {

namespace {

QTableWidget* makeTable(QWidget* parent, const QStringList& heads) {
    auto* t = new QTableWidget(0, heads.size(), parent);
    t->setHorizontalHeaderLabels(heads);
    t->verticalHeader()->setVisible(false);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Rows as high as a line of text: a year of months fits on the screen.
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    return t;
}

void setCell(QTableWidget* t, int row, int column, const QString& text, bool number = true) {
    auto* item = new QTableWidgetItem(text);
    if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    t->setItem(row, column, item);
}

// Tall enough for every row: the month tables never scroll.
void fitRows(QTableWidget* t) {
    int h = t->horizontalHeader()->sizeHint().height() + 2 * t->frameWidth();
    for (int r = 0; r < t->rowCount(); ++r) h += t->rowHeight(r);
    t->setMinimumHeight(h);
    int w = 2 * t->frameWidth();
    for (int c = 0; c < t->columnCount(); ++c) w += t->horizontalHeader()->sectionSize(c);
    t->setFixedWidth(w);
}

// "&Cetak" and "&Selesai": either one leaves the dialog with what the model
// makes of it.
template <class Model, class Action>
QHBoxLayout* printAndDone(QDialog* dialog, Model& model, Action& action) {
    auto* row = new QHBoxLayout;
    auto* print = new QPushButton(qs(text::tr(text::TxPrintButton)), dialog);
    auto* done = new QPushButton(qs(text::tr(text::TxDoneButton)), dialog);
    done->setDefault(true);
    row->addStretch();
    row->addWidget(print);
    row->addWidget(done);
    QObject::connect(print, &QPushButton::clicked, dialog, [dialog, &model, &action] {
        action = model.print();
        dialog->accept();
    });
    QObject::connect(done, &QPushButton::clicked, dialog, [dialog, &model, &action] {
        action = model.finish();
        dialog->accept();
    });
    return row;
}

}  // namespace

// ---- "Jam Perintis Setahun" ---------------------------------------------------------

YearPioneerHoursDialog::YearPioneerHoursDialog(YearPioneerHoursModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog137");
    auto* layout = new QHBoxLayout(this);
    publishers_ = new QListWidget(this);
    for (const auto& r : model_.publisherRows()) publishers_->addItem(qs(r));
    publishers_->setMinimumWidth(publishers_->fontMetrics().horizontalAdvance(QString(28, 'x')));
    layout->addWidget(publishers_, 1);

    auto* right = new QVBoxLayout;
    table_ = makeTable(
        this, {QString(), qs(text::tr(text::TxHoursHead)), qs(text::tr(text::TxCreditHead))});
    table_->setRowCount(12);
    right->addWidget(table_);
    since_ = new QLabel(this);
    remaining_ = new QLabel(this);
    perMonth_ = new QLabel(this);
    year_ = new QLabel(this);
    for (QLabel* l : {since_, remaining_, perMonth_, year_}) right->addWidget(l);
    previous_ = new QCheckBox(qs(text::tr(text::TxPreviousServiceYear)), this);
    right->addWidget(previous_);
    right->addLayout(printAndDone(this, model_, action_));
    layout->addLayout(right);

    connect(publishers_, &QListWidget::currentRowChanged, this, [this](int r) {
        model_.selectPublisher(r);
        sync();
    });
    connect(previous_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setPreviousYear(on);
        sync();
    });
    if (publishers_->count() > 0) publishers_->setCurrentRow(0);
    sync();
    publishers_->setFocus();
}

void YearPioneerHoursDialog::sync() {
    setWindowTitle(qs(model_.caption()));
    const auto rows = model_.monthTable();
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const auto& row = rows[r];
        setCell(table_, r, 0, qs(row.month), false);
        setCell(table_, r, 1, row.shown ? QString::number(row.hours) : QString());
        setCell(table_, r, 2, row.shown && row.credit ? QString::number(row.credit) : QString());
    }
    const std::pair<QLabel*, std::string> lines[] = {{since_, model_.sinceLine()},
                                                     {remaining_, model_.remainingLine()},
                                                     {perMonth_, model_.perMonthLine()},
                                                     {year_, model_.yearLine()}};
    for (const auto& [label, line] : lines) {
        label->setText(qs(line));
        label->setVisible(!line.empty());
    }
    fitRows(table_);
}

// ---- "Ringkasan Kegiatan Setahun" -------------------------------------------------------

YearActivitySummaryDialog::YearActivitySummaryDialog(YearActivitySummaryModel& model,
                                                     QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog134");
    setWindowTitle(qs(model_.title()));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    value_ = new QComboBox(this);
    for (const auto& v : model_.valueRows()) value_->addItem(qs(v));
    activeFile_ = new QRadioButton(qs(text::tr(text::TxActiveFileSource)), this);
    branch_ = new QRadioButton(qs(text::tr(text::TxBranchSource)), this);
    activeFile_->setChecked(true);
    top->addWidget(value_);
    top->addStretch();
    top->addWidget(activeFile_);
    top->addWidget(branch_);
    layout->addLayout(top);

    QStringList heads{QString()};
    for (const auto& h : model_.categoryHeads()) heads << qs(h);
    table_ = makeTable(this, heads);
    layout->addWidget(table_);

    auto* bottom = new QHBoxLayout;
    period_ = new QPushButton(this);
    period_->setAutoDefault(false);
    bottom->addWidget(period_);
    bottom->addLayout(printAndDone(this, model_, action_));
    layout->addLayout(bottom);

    connect(value_, &QComboBox::currentIndexChanged, this, [this](int v) {
        model_.selectValue(static_cast<YearActivitySummaryModel::Value>(v));
        sync();
    });
    connect(activeFile_, &QRadioButton::toggled, this, [this](bool on) {
        model_.selectSource(on ? YearActivitySummaryModel::Source::ActiveFile
                               : YearActivitySummaryModel::Source::ReportedToBranch);
        sync();
    });
    connect(period_, &QPushButton::clicked, this, [this] {
        model_.cyclePeriod();
        sync();
    });
    sync();
    value_->setFocus();
}

void YearActivitySummaryDialog::sync() {
    const auto& rows = model_.rows();
    const int n = static_cast<int>(rows.size());
    // The months, then the period's total and average.
    table_->setRowCount(n + 2);
    for (int r = 0; r < n; ++r) {
        setCell(table_, r, 0, qs(rows[r].month), false);
        for (int c = 0; c < YearActivitySummaryModel::kCategories; ++c)
            setCell(table_, r, c + 1,
                    rows[r].shown ? QString::number(rows[r].values[c]) : QString());
    }
    const QString period = qs(model_.periodButtonCaption()).remove('&');
    setCell(table_, n, 0, qs(text::tr(text::TxTotalRow)), false);
    setCell(table_, n + 1, 0, qs(text::tr(text::TxAverageHead)), false);
    for (int c = 0; c < YearActivitySummaryModel::kCategories; ++c) {
        setCell(table_, n, c + 1, QString::number(model_.periodTotal()[c]));
        setCell(table_, n + 1, c + 1,
                qs(text::formatPrintf("%4.1f", model_.periodAverage()[c])).trimmed());
    }
    period_->setText(qs(model_.periodButtonCaption()));
    period_->setToolTip(period);
    // Hours take wider columns than counts.
    fitRows(table_);
}

// ---- "Hadirin Perhimpunan Setahun" --------------------------------------------------------

YearAttendanceDialog::YearAttendanceDialog(YearAttendanceModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog135");
    setWindowTitle(qs(model_.title()));
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    blocks_ = new QListWidget(this);
    for (const auto& n : model_.blockNames()) blocks_->addItem(qs(n).trimmed());
    blocks_->setFixedHeight(blocks_->fontMetrics().height() * 3 + 12);
    blocks_->setMinimumWidth(blocks_->fontMetrics().horizontalAdvance(QString(26, 'x')));
    left->addWidget(blocks_);
    left->addStretch();
    left->addLayout(printAndDone(this, model_, action_));
    layout->addLayout(left);

    table_ =
        makeTable(this, {qs(text::tr(text::TxRecordServiceYear)), QString(),
                         qs(text::tr(text::TxRecordMeetings)), qs(text::tr(text::TxRecordTotal)),
                         qs(text::tr(text::TxRecordWeeklyAverage))});
    layout->addWidget(table_, 1);

    connect(blocks_, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r < 0) return;
        model_.selectBlock(r);
        sync();
    });
    blocks_->setCurrentRow(model_.selectedBlock());
    sync();
    // Two service years do not fit: the table scrolls, and keeps room for it.
    int w = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < table_->columnCount(); ++c) w += table_->horizontalHeader()->sectionSize(c);
    table_->setFixedWidth(w);
    table_->setMinimumHeight(table_->verticalHeader()->defaultSectionSize() * 18);
    blocks_->setFocus();
}

void YearAttendanceDialog::sync() {
    table_->setRowCount(0);
    for (const AttendanceServiceYear& year : model_.table()) {
        for (const AttendanceRecordMonth& m : year.months) {
            const int r = table_->rowCount();
            table_->insertRow(r);
            setCell(table_, r, 0, m.month0 == 8 ? QString::number(year.serviceYear) : QString());
            setCell(table_, r, 1, qs(text::monthName(m.month0)), false);
            if (!m.shown) continue;
            setCell(table_, r, 2, QString::number(m.meetings));
            setCell(table_, r, 3, QString::number(m.total));
            setCell(table_, r, 4, qs(m.averageText).trimmed());
        }
        const int r = table_->rowCount();
        table_->insertRow(r);
        setCell(table_, r, 1, qs(text::tr(text::TxRecordMonthlyAverage)), false);
        setCell(table_, r, 4, qs(year.meanText).trimmed());
    }
}

}  // namespace velno
