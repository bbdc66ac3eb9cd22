#pragma once
// The folder picker: a folder tree, an edit field "Folder Saat ini" that
// holds the path, and "Select". A view over SelectFolderModel.

#include <QDialog>

#include "store/SelectFolderModel.h"

class QFileSystemModel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace velno {
class Prompter;
}

namespace velno::app {

class CSelectFolderDialog : public QDialog {
    Q_OBJECT
public:
    CSelectFolderDialog(const QString& initialFolder, Prompter& prompter,
                        QWidget* parent = nullptr);

    // The chosen folder with one trailing separator (after Accepted).
    QString folder() const;

    QLineEdit* field() const { return field_; }
    QPushButton* selectButton() const { return select_; }
    QTreeView* tree() const { return tree_; }
    // The folder the tree shows.
    QString shownFolder() const;

private:
    void confirm();

    SelectFolderModel model_;
    Prompter& prompter_;
    QFileSystemModel* files_;
    QTreeView* tree_;
    QLineEdit* field_;
    QPushButton* select_;
};

}  // namespace velno::app
