#include "print/ui/RecordCardDialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <filesystem>

#include "print/ui/CardsPdf.h"
#include "print/ui/QPainterCanvas.h"
#include "print/ui/QPrinterPrintTarget.h"
#include "store/CVelnoDoc.h"
#include "text/StringTable.h"
#include "text/texts/PrintTexts.h"
#include "text/ui/QtText.h"

namespace velno::print {

namespace {

QString t(int id) {
    return qs(text::tr(id));
}

QPushButton* button(QWidget* parent, int textId, const char* name) {
    auto* b = new QPushButton(t(textId), parent);
    b->setObjectName(name);
    return b;
}

}  // namespace

CardPreferencesDialog::CardPreferencesDialog(CardPreferencesModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog153");
    setWindowTitle(t(text::TxCardPrefsTitle));
    auto* layout = new QVBoxLayout(this);
    auto* years = new QHBoxLayout;
    const int groupTitles[2] = {text::TxCardPrefsCurrent, text::TxCardPrefsPrevious};
    for (int y = 0; y < 2; ++y) {
        auto* box = new QGroupBox(t(groupTitles[y]), this);
        auto* v = new QVBoxLayout(box);
        hideAverages_[y] = new QCheckBox(t(text::TxCardHideAverages), box);
        hideAverages_[y]->setObjectName(QString("hideAverages%1").arg(y));
        hideAverages_[y]->setChecked(model.options.hideAverages[y]);
        hideTotals_[y] = new QCheckBox(t(text::TxCardHideTotals), box);
        hideTotals_[y]->setObjectName(QString("hideTotals%1").arg(y));
        hideTotals_[y]->setChecked(model.options.hideTotals[y]);
        v->addWidget(hideAverages_[y]);
        v->addWidget(hideTotals_[y]);
        years->addWidget(box);
    }
    layout->addLayout(years);
    showGroups_ = new QCheckBox(t(text::TxCardShowGroups), this);
    showGroups_->setObjectName("showGroups");
    showGroups_->setChecked(model.options.showGroup);
    onePerPage_ = new QCheckBox(t(text::TxCardOnePerPage), this);
    onePerPage_->setObjectName("onePerPage");
    onePerPage_->setChecked(model.options.onePerPage);
    hideBirth_ = new QCheckBox(t(text::TxCardHideBirth), this);
    hideBirth_->setObjectName("hideBirth");
    hideBirth_->setChecked(model.options.hideBirth);
    layout->addWidget(showGroups_);
    layout->addWidget(onePerPage_);
    layout->addWidget(hideBirth_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        take();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CardPreferencesDialog::take() {
    for (int y = 0; y < 2; ++y) {
        model_.options.hideAverages[y] = hideAverages_[y]->isChecked();
        model_.options.hideTotals[y] = hideTotals_[y]->isChecked();
    }
    model_.options.showGroup = showGroups_->isChecked();
    model_.options.onePerPage = onePerPage_->isChecked();
    model_.options.hideBirth = hideBirth_->isChecked();
}

RecordCardViewerDialog::RecordCardViewerDialog(RecordCardViewerModel& model, Services services,
                                               QWidget* parent)
    : QDialog(parent), model_(model), services_(std::move(services)) {
    setObjectName("dialog117");
    setWindowTitle(t(text::TxCardViewerTitle));
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    list_ = new QListWidget(this);
    list_->setObjectName("publishers");
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    left->addWidget(list_);
    previous_ = new QCheckBox(t(text::TxCardPrevious), this);
    previous_->setObjectName("previous");
    inactive_ = new QCheckBox(t(text::TxCardInactive), this);
    inactive_->setObjectName("inactive");
    total_ = new QCheckBox(t(text::TxCardTotal), this);
    total_->setObjectName("total");
    left->addWidget(previous_);
    left->addWidget(inactive_);
    left->addWidget(total_);
    layout->addLayout(left);

    previewLabel_ = new QLabel(this);
    previewLabel_->setObjectName("preview");
    previewLabel_->setMinimumSize(600, 420);
    // The card is scaled to the room there is, so its right side is seen.
    previewLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    previewLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(previewLabel_, 1);

    auto* right = new QVBoxLayout;
    printThis_ = button(this, text::TxCardPrintThis, "printThis");
    auto* printSomeButton = button(this, text::TxCardPrintSome, "printSome");
    auto* device = button(this, text::TxCardOutputDevice, "outputDevice");
    auto* activePdf = button(this, text::TxCardActivePdf, "activePdf");
    auto* inactivePdf = button(this, text::TxCardInactivePdf, "inactivePdf");
    edit_ = button(this, text::TxCardEdit, "edit");
    auto* prefs = button(this, text::TxCardPreferences, "preferences");
    auto* done = button(this, text::TxCardDone, "done");
    for (QPushButton* b :
         {printThis_, printSomeButton, device, activePdf, inactivePdf, edit_, prefs})
        right->addWidget(b);
    right->addStretch();
    right->addWidget(done);
    layout->addLayout(right);
    edit_->setVisible(static_cast<bool>(services_.edit));

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.setCurrent(row);
        drawPreview();
    });
    connect(previous_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setPrevious(on);
        drawPreview();
    });
    connect(inactive_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setInactive(on);
        refresh();
    });
    connect(total_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setTotal(on);
        refresh();
    });
    connect(printThis_, &QPushButton::clicked, this, [this] { printJob(model_.thisCard()); });
    connect(printSomeButton, &QPushButton::clicked, this, [this] { this->printSome(); });
    // "Output Device ->" is the choice of printer: the next print asks.
    connect(device, &QPushButton::clicked, this, [this] { choosingPrinter_ = true; });
    connect(activePdf, &QPushButton::clicked, this, [this] { writeFile(false); });
    connect(inactivePdf, &QPushButton::clicked, this, [this] { writeFile(true); });
    connect(edit_, &QPushButton::clicked, this, [this] {
        const int pos = model_.currentPos();
        if (!services_.edit || pos == 0) return;
        services_.edit(pos);
        model_.reload();
        refresh();
    });
    connect(prefs, &QPushButton::clicked, this, [this] { preferences(); });
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
}

void RecordCardViewerDialog::refresh() {
    const QSignalBlocker block(list_);
    list_->clear();
    for (const auto& row : model_.rows()) list_->addItem(qs(row.name));
    // The longest name whole, beside the scroll bar.
    list_->setMinimumWidth(list_->sizeHintForColumn(0) + 2 * list_->frameWidth() +
                           list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
    list_->setCurrentRow(model_.current());
    printThis_->setEnabled(model_.printEnabled());
    edit_->setEnabled(model_.editEnabled());
    drawPreview();
}

QImage RecordCardViewerDialog::preview() const {
    QImage image(820, 560, QImage::Format_RGB32);
    image.fill(Qt::white);
    const CardJob job = model_.thisCard();
    if (job.positions.empty() && !job.summary) return image;
    const std::vector<RecordCard> cards = buildCards(*services_.doc, job);
    if (cards.empty()) return image;
    // The upper card, drawn at 96 dots per inch from an inch above it.
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QPainter painter(&image);
    QPainterCanvas canvas(painter, false);
    canvas.setOriginShift(0, 90);
    ReportViewState view;
    ReportContext ctx = view.contextFor(*services_.doc, canvas, services_.fonts, services_.today);
    drawCardTableWithHeader(ctx, cards.front(), 0, 0, 0);
    return image;
}

void RecordCardViewerDialog::drawPreview() {
    edit_->setEnabled(model_.editEnabled());
    printThis_->setEnabled(model_.printEnabled());
    card_ = preview();
    showPreview();
}

void RecordCardViewerDialog::showPreview() {
    if (card_.isNull()) return;
    previewLabel_->setPixmap(QPixmap::fromImage(
        card_.scaled(previewLabel_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void RecordCardViewerDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    showPreview();
}

void RecordCardViewerDialog::printJob(const CardJob& job) {
    if (job.positions.empty() && !job.summary) return;
    QPrinter printer(QPrinter::HighResolution);
    if (choosingPrinter_) {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted) return;
        choosingPrinter_ = false;
    }
    QPrinterPrintTarget target(printer);
    if (!target.ok()) return;
    printCards(*services_.doc, services_.fonts, target, job, services_.today);
    target.finish();
}

void RecordCardViewerDialog::printSome() {
    std::vector<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    printJob(model_.someCards(rows));
}

void RecordCardViewerDialog::writeFile(bool inactive) {
    const std::filesystem::path proposed = model_.proposedPdf(inactive);
    std::error_code ec;
    std::filesystem::create_directories(proposed.parent_path(), ec);
    const QString path = QFileDialog::getSaveFileName(
        this, t(inactive ? text::TxCardInactivePdf : text::TxCardActivePdf).remove('&'),
        QString::fromStdString(proposed.string()), t(text::TxCardPdfFilter));
    if (path.isEmpty()) return;
    const CardJob job = model_.fileCards(inactive);
    QProgressDialog progress(t(text::TxCardPdfProgress), tr("Cancel"), 0,
                             static_cast<int>(job.positions.size()), this);
    progress.setObjectName("cardProgress");
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    const auto result = writeCardsPdf(*services_.doc, services_.fonts, path.toStdString(), job,
                                      services_.today, false, [&progress](int done, int) {
                                          progress.setValue(done);
                                          return !progress.wasCanceled();
                                      });
    progress.reset();
    if (!result.ok && !result.cancelled)
        QMessageBox::warning(this, windowTitle(), qs(result.message));
}

void RecordCardViewerDialog::preferences() {
    CardPreferencesModel model(*services_.doc);
    CardPreferencesDialog dialog(model, this);
    if (dialog.exec() == QDialog::Accepted) model.accept(*services_.doc);
    drawPreview();
}

}  // namespace velno::print
