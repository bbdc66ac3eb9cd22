#pragma once
// Dialog 114, the inactive or the deleted list: a view over SideListModel.

#include <QDialog>
#include <functional>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace velno {

class CVelnoDoc;
class MonthChoiceModel;
class PublisherEditDialog;
class SideListModel;
struct MonthChoice;

class SideListDialog : public QDialog {
    Q_OBJECT
public:
    SideListDialog(CVelnoDoc& doc, SideListModel& model, QWidget* parent = nullptr);

    QListWidget* leftList() const { return left_; }
    QListWidget* rightList() const { return right_; }
    QPushButton* actionButton() const { return action_; }
    QPushButton* filterButton() const { return filter_; }
    QPushButton* editButton() const { return edit_; }
    QPushButton* deleteButton() const { return delete_; }

    // The month question; tests answer it without a window.
    std::function<MonthChoice(MonthChoiceModel&, QWidget*)> askMonth;
    // Runs the record editor of "&Edit" (modal by default); tests drive it.
    std::function<void(PublisherEditDialog&)> runEditor;

private:
    void showModel();
    void act();
    void editSelected();
    void deleteSelected();

    CVelnoDoc& doc_;
    SideListModel& model_;
    QGroupBox* leftBox_;
    QGroupBox* rightBox_;
    QListWidget* left_;
    QListWidget* right_;
    QLabel* name_;
    QPushButton* action_;
    QPushButton* filter_;
    QPushButton* edit_;
    QPushButton* delete_;
    bool showing_ = false;
};

}  // namespace velno
