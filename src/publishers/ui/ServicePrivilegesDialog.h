#pragma once
// Dialog 150, the service privileges: a view over ServicePrivilegesModel.

#include <QDialog>
#include <array>

#include "publishers/ServicePrivilegesModel.h"

class QCheckBox;

namespace velno {

class DateListsEdit;

class ServicePrivilegesDialog : public QDialog {
    Q_OBJECT
public:
    ServicePrivilegesDialog(ServicePrivilegesModel& model, QWidget* parent = nullptr);

    QCheckBox* rowBox(int row) const { return rows_[row]; }
    DateListsEdit* dateLists(int row, PrivilegeDate which) const {
        return (which == PrivilegeDate::Start ? starts_ : ends_)[row];
    }
    QCheckBox* specialServantBox() const { return specialServant_; }
    QCheckBox* missionaryBox() const { return missionary_; }
    // OK pressed: the boxes the model handed back.
    const PrivilegeChecks& result() const { return result_; }

    void showModel();

public slots:
    void accept() override;

private:
    DateListsEdit* addDates(int row, PrivilegeDate which);

    ServicePrivilegesModel& model_;
    std::array<QCheckBox*, ServicePrivilegesModel::kRows> rows_{};
    std::array<DateListsEdit*, ServicePrivilegesModel::kRows> starts_{};
    std::array<DateListsEdit*, ServicePrivilegesModel::kRows> ends_{};
    QCheckBox* specialServant_ = nullptr;
    QCheckBox* missionary_ = nullptr;
    PrivilegeChecks result_;
};

// From the privileges list: the dialog on the record at `storePos`, whose
// boxes on OK go into the record itself. True when OK was pressed.
bool editServicePrivileges(CVelnoDoc& doc, int storePos, QWidget* parent);

}  // namespace velno
