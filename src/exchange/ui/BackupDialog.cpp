#include "exchange/ui/BackupDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <ctime>

#include "text/StringTable.h"
#include "text/texts/ExchangeTexts.h"
#include "text/ui/QtText.h"

namespace velno {

using C = BackupDialogModel::Control;

BackupDialog::BackupDialog(BackupDialogModel& model, FolderChooser chooser, QWidget* parent)
    : QDialog(parent), model_(model), chooser_(std::move(chooser)) {
    setObjectName("dialog185");
    setWindowTitle(qs(model_.title()));
    auto* layout = new QVBoxLayout(this);

    spaceBox_ = new QGroupBox(qs(text::tr(text::TxSpaceGroup)), this);
    space_ = new QLabel(spaceBox_);
    (new QVBoxLayout(spaceBox_))->addWidget(space_);
    layout->addWidget(spaceBox_);

    pathBox_ = new QGroupBox(this);
    auto* pathLayout = new QHBoxLayout(pathBox_);
    path_ = new QLabel(pathBox_);
    path_->setMinimumWidth(path_->fontMetrics().horizontalAdvance(QString(48, 'x')));
    browse_ = new QPushButton(qs(text::tr(text::TxBackupBrowse)), pathBox_);
    pathLayout->addWidget(path_, 1);
    pathLayout->addWidget(browse_);
    layout->addWidget(pathBox_);

    listBox_ = new QGroupBox(qs(text::tr(text::TxChooseBackupGroup)), this);
    auto* listLayout = new QVBoxLayout(listBox_);
    catalogue_ = new QRadioButton(qs(text::tr(text::TxFromCatalogue)), listBox_);
    browseRadio_ = new QRadioButton(qs(text::tr(text::TxBrowseForBackup)), listBox_);
    list_ = new QListWidget(listBox_);
    list_->setMinimumHeight(list_->fontMetrics().height() * 8);
    useLatest_ = new QCheckBox(qs(text::tr(text::TxUseLatest)), listBox_);
    listLayout->addWidget(catalogue_);
    listLayout->addWidget(browseRadio_);
    listLayout->addWidget(list_);
    listLayout->addWidget(useLatest_);
    layout->addWidget(listBox_);
    undo_ = new QCheckBox(qs(text::tr(text::TxUndoLastRestore)), this);
    layout->addWidget(undo_);
    automatic_ = new QCheckBox(qs(text::tr(text::TxAutomaticBackup)), this);
    automatic_->setChecked(model_.automatic());
    automatic_->setVisible(model_.mode() == BackupDialogModel::Mode::Backup);
    layout->addWidget(automatic_);

    prompt_ = new QLabel(this);
    prompt_->setWordWrap(true);
    prompt_->setMinimumWidth(path_->minimumWidth());
    layout->addWidget(prompt_);
    auto* buttons = new QHBoxLayout;
    ok_ = new QPushButton(qs(text::tr(text::TxBackupOk)), this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(this);
    // Return always means OK, wherever the focus is.
    browse_->setAutoDefault(false);
    cancel_->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    model_.onProgress = [this](const std::string& line) {
        prompt_->setText(qs(line));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    connect(catalogue_, &QRadioButton::clicked, this, [this] {
        model_.chooseCatalogue();
        refresh();
    });
    connect(browseRadio_, &QRadioButton::clicked, this, [this] {
        model_.chooseBrowse();
        refresh();
    });
    connect(useLatest_, &QCheckBox::clicked, this, [this](bool on) {
        model_.setUseLatest(on);
        refresh();
    });
    connect(undo_, &QCheckBox::clicked, this, [this](bool on) {
        model_.setUndo(on);
        refresh();
    });
    connect(automatic_, &QCheckBox::clicked, this, [this](bool on) { model_.setAutomatic(on); });
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (filling_ || row < 0 || row == model_.selectedItem()) return;
        model_.selectItem(row);
        refresh();
    });
    connect(browse_, &QPushButton::clicked, this, [this] {
        if (!chooser_) return;
        const QString chosen = chooser_(this, qs(model_.currentPath().string()));
        if (chosen.isEmpty()) return;
        model_.browsed(chosen.toStdString());
        refresh();
    });
    connect(ok_, &QPushButton::clicked, this, &BackupDialog::pressOk);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
}

void BackupDialog::pressOk() {
    if (model_.pressOk(std::time(nullptr))) {
        accept();
        return;
    }
    refresh();
}

void BackupDialog::refresh() {
    const bool restore = model_.mode() == BackupDialogModel::Mode::Restore;
    const bool pathShown = pathBox_->isVisibleTo(this), listShown = listBox_->isVisibleTo(this);
    spaceBox_->setVisible(model_.isVisible(C::SpaceGroup));
    space_->setText(qs(model_.spaceText()));
    pathBox_->setTitle(qs(model_.pathGroupText()));
    path_->setText(qs(model_.pathText()));
    browse_->setVisible(model_.isVisible(C::BrowseButton));
    // Restoring from the catalogue leaves the box without a title, a path
    // or a button: no empty frame above the choices.
    pathBox_->setVisible(!pathBox_->title().isEmpty() || !path_->text().isEmpty() ||
                         model_.isVisible(C::BrowseButton));
    listBox_->setVisible(restore && model_.isVisible(C::RestoreGroup));
    catalogue_->setVisible(model_.isVisible(C::CatalogueRadio));
    catalogue_->setEnabled(model_.isCatalogueRadioEnabled());
    browseRadio_->setVisible(model_.isVisible(C::BrowseRadio));
    {
        const QSignalBlocker a(catalogue_), b(browseRadio_), c(useLatest_), d(undo_);
        catalogue_->setChecked(model_.choice() == BackupDialogModel::Choice::Catalogue);
        browseRadio_->setChecked(model_.choice() == BackupDialogModel::Choice::Browse);
        useLatest_->setChecked(model_.useLatest());
        undo_->setChecked(model_.undo());
    }
    useLatest_->setVisible(model_.isVisible(C::UseLatest));
    undo_->setVisible(model_.isVisible(C::Undo));
    filling_ = true;
    list_->clear();
    for (const auto& item : model_.items()) list_->addItem(qs(item));
    list_->setCurrentRow(model_.selectedItem());
    filling_ = false;
    list_->setVisible(model_.isVisible(C::List));
    prompt_->setText(qs(model_.promptText()));
    ok_->setVisible(model_.isVisible(C::Ok));
    cancel_->setText(qs(model_.cancelText()));
    // Undoing the last restore hides both boxes: the dialog closes up
    // around what is left, and opens out again when they return.
    if (isVisible() &&
        (pathShown != pathBox_->isVisibleTo(this) || listShown != listBox_->isVisibleTo(this))) {
        layout()->activate();
        adjustSize();
    }
}

}  // namespace velno
