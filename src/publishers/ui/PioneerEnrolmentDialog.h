#pragma once
// Dialog 111, pioneer enrolment: sets and clears the pioneer kind of one
// month for many publishers; a view over PioneerEnrolmentModel.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace velno {

class PioneerEnrolmentModel;
enum class EnrolmentSide;

class PioneerEnrolmentDialog : public QDialog {
    Q_OBJECT
public:
    PioneerEnrolmentDialog(PioneerEnrolmentModel& model, QWidget* parent = nullptr);

    QListWidget* yearList() const { return years_; }
    QComboBox* monthBox() const { return months_; }
    QListWidget* leftList() const { return left_; }
    QListWidget* rightList() const { return right_; }
    QLabel* nameLine() const { return name_; }
    QPushButton* actionButton() const { return action_; }
    QCheckBox* specialCheck() const { return special_; }
    QPushButton* finishButton() const { return finish_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillMonths();
    void showModel();
    QListWidget* listOf(EnrolmentSide side) const;

    PioneerEnrolmentModel& model_;
    QListWidget* years_;
    QComboBox* months_;
    QListWidget* left_;
    QListWidget* right_;
    QLabel* name_;
    QPushButton* action_;
    QCheckBox* special_;
    QPushButton* finish_;
};

}  // namespace velno
