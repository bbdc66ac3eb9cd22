#include "app/SelectFolderDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "text/texts/AppTexts.h"
#include "text/ui/QtText.h"

namespace velno::app {

namespace {

// The nearest folder that exists, for the tree to show.
QString existingAncestor(QString path) {
    QDir dir(path);
    while (!dir.exists() && !dir.isRoot())
        if (!dir.cdUp()) break;
    return dir.exists() ? dir.absolutePath() : QDir::homePath();
}

}  // namespace

CSelectFolderDialog::CSelectFolderDialog(const QString& initialFolder, Prompter& prompter,
                                         QWidget* parent)
    : QDialog(parent), model_(initialFolder.toStdString()), prompter_(prompter) {
    setObjectName("CSelectFolderDialog");
    setWindowTitle(qs(model_.title()));
    auto* layout = new QVBoxLayout(this);

    files_ = new QFileSystemModel(this);
    files_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    files_->setRootPath(QDir::rootPath());
    tree_ = new QTreeView(this);
    tree_->setModel(files_);
    for (int column = 1; column < files_->columnCount(); ++column) tree_->hideColumn(column);
    tree_->header()->hide();
    const QModelIndex start = files_->index(existingAncestor(initialFolder));
    tree_->setCurrentIndex(start);
    tree_->scrollTo(start);
    tree_->expand(start);
    layout->addWidget(tree_, 1);

    auto* caption = new QLabel(qs(model_.fieldCaption()), this);
    field_ = new QLineEdit(qs(model_.fieldText()), this);
    caption->setBuddy(field_);
    layout->addWidget(caption);
    layout->addWidget(field_);

    auto* buttons = new QDialogButtonBox(this);
    select_ = buttons->addButton(qs(model_.okText()), QDialogButtonBox::AcceptRole);
    QPushButton* cancel =
        buttons->addButton(qs(text::tr(text::TxButtonCancel)), QDialogButtonBox::RejectRole);
    select_->setDefault(true);
    layout->addWidget(buttons);
    resize(520, 440);

    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                model_.folderShown(files_->filePath(index).toStdString());
                field_->setText(qs(model_.fieldText()));
            });
    connect(field_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.setFieldText(text.toStdString()); });
    connect(select_, &QPushButton::clicked, this, &CSelectFolderDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString CSelectFolderDialog::shownFolder() const {
    return files_->filePath(tree_->currentIndex());
}

void CSelectFolderDialog::confirm() {
    if (model_.confirm(prompter_, shownFolder().toStdString()) ==
        SelectFolderModel::Outcome::Accepted)
        accept();
}

QString CSelectFolderDialog::folder() const {
    return qs(model_.result());
}

}  // namespace velno::app
