#pragma once
// Dialog 112 "Pindah": a view over MovedListModel.

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace velno {

class CVelnoDoc;
class MonthChoiceModel;
class MovedListModel;
struct MonthChoice;

class MovedListDialog : public QDialog {
    Q_OBJECT
public:
    MovedListDialog(CVelnoDoc& doc, MovedListModel& model, QWidget* parent = nullptr);

    QListWidget* leftList() const { return left_; }
    QListWidget* rightList() const { return right_; }
    QCheckBox* inactiveSource() const { return inactive_; }
    QPushButton* actionButton() const { return action_; }
    QPushButton* undoButton() const { return undo_; }
    QPushButton* filterButton() const { return filter_; }

    std::function<MonthChoice(MonthChoiceModel&, QWidget*)> askMonth;

private:
    void showModel();
    void act();
    void undo();

    CVelnoDoc& doc_;
    MovedListModel& model_;
    QListWidget* left_;
    QListWidget* right_;
    QCheckBox* inactive_;
    QLabel* name_;
    QPushButton* action_;
    QPushButton* undo_;
    QPushButton* filter_;
    bool showing_ = false;
};

}  // namespace velno
