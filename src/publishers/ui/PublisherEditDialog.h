#pragma once
// Dialog 139, the record editor: a view over PublisherEditModel. Every box
// change goes to the model, and the whole dialog is re-read from it after
// each action, so the interlocks, the AutoCaps and the combined-name rule
// show at once.

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "publishers/PublisherEditModel.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velno {

class DateListsEdit;

// Runs the status dialog on a record's status fields: the fields to store
// on OK, nothing on cancel.
using StatusAsker =
    std::function<std::optional<StatusFields>(PublisherStatusModel&, QWidget* parent)>;

class PublisherEditDialog : public QDialog {
    Q_OBJECT
public:
    PublisherEditDialog(PublisherEditModel& model, QWidget* parent = nullptr);
    ~PublisherEditDialog() override;

    QLineEdit* box(EditField field) const { return boxes_[static_cast<int>(field)]; }
    QCheckBox* checkBox(EditCheck check) const { return checks_[static_cast<int>(check)]; }
    DateListsEdit* dateLists(EditDate date) const { return dates_[static_cast<int>(date)]; }
    QPushButton* button(EditButton button) const { return buttons_[static_cast<int>(button)]; }
    QLabel* specialServantMark() const { return specialServant_; }
    QLabel* missionaryMark() const { return missionary_; }
    QLabel* conductorLine() const { return conductor_; }
    // The date of becoming inactive or of deletion (side-list records).
    QGroupBox* sideDateBox() const { return sideDate_; }
    QComboBox* sideMonthList() const { return sideMonth_; }
    QComboBox* sideYearList() const { return sideYear_; }

    // Re-reads every control from the model.
    void showModel();
    // The status dialog for "&Status" and before a new publisher's first
    // store; without one "&Status" stays disabled and no status is set.
    void setStatusAsker(StatusAsker ask);

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* addBox(EditField field);
    QCheckBox* addCheck(EditCheck check);
    QPushButton* addButton(EditButton button);
    void textEdited(EditField field, const QString& text);
    void showTexts();
    void clicked(EditButton button);
    void chooseGroup();
    void deletePublisher();
    void editPrivileges();
    void chooseConductor();
    void finishStore();

    void askStatus();
    QGroupBox* addSideDate();

    PublisherEditModel& model_;
    StatusAsker statusAsker_;
    std::array<QLineEdit*, kEditFieldCount> boxes_{};
    std::array<QCheckBox*, kEditCheckCount> checks_{};
    std::array<DateListsEdit*, 3> dates_{};
    std::array<QPushButton*, 16> buttons_{};
    std::array<QLabel*, 2> dateLabels_{};
    QLabel* conductor_ = nullptr;
    QLabel* specialServant_ = nullptr;
    QLabel* missionary_ = nullptr;
    QGroupBox* sideDate_ = nullptr;
    QComboBox* sideMonth_ = nullptr;
    QComboBox* sideYear_ = nullptr;
};

}  // namespace velno
