#pragma once
// Dialog 126 in its XML form: shows an XmlChooserModel.

#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace velno {

class XmlChooserModel;

class XmlChooserDialog : public QDialog {
    Q_OBJECT
public:
    XmlChooserDialog(XmlChooserModel& model, QWidget* parent = nullptr);

    QListWidget* choiceList() const { return choices_; }
    QListWidget* sideList() const { return side_; }
    QPushButton* selectAllButton() const { return all_; }
    QPushButton* selectNoneButton() const { return none_; }
    QPushButton* okButton() const { return ok_; }
    QCheckBox* replaceBox() const { return replace_; }
    QLabel* duplicatesLabel() const { return duplicates_; }
    QLabel* summaryLabel() const { return summary_; }
    QLabel* tooManyLabel() const { return tooMany_; }
    QLabel* countLabel() const { return count_; }

private:
    void fillChoices();
    void showModel();

    XmlChooserModel& model_;
    QListWidget* choices_;
    QListWidget* side_;
    QPushButton* all_;
    QPushButton* none_;
    QPushButton* ok_;
    QCheckBox* replace_;
    QLabel* duplicates_;
    QLabel* summary_;
    QLabel* tooMany_;
    QLabel* count_;
};

}  // namespace velno
