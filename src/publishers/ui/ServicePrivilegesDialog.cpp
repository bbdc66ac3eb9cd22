#include "publishers/ui/ServicePrivilegesDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "publishers/ui/DateListsEdit.h"
#include "store/CVelnoDoc.h"
#include "text/StringTable.h"
#include "text/texts/PublishersTexts.h"
#include "text/ui/QtText.h"

namespace velno {

ServicePrivilegesDialog::ServicePrivilegesDialog(ServicePrivilegesModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog150");
    setWindowTitle(qs(model_.title()));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(qs(model_.heading()), this), 0, 0);
    grid->addWidget(new QLabel(qs(model_.startHeading()), this), 0, 1);
    grid->addWidget(new QLabel(qs(model_.endHeading()), this), 0, 2);
    for (int row = 0; row < ServicePrivilegesModel::kRows; ++row) {
        auto* box = new QCheckBox(qs(model_.rowText(row)), this);
        rows_[row] = box;
        connect(box, &QCheckBox::clicked, this, [this, row](bool on) {
            model_.setChecked(row, on);
            showModel();
        });
        grid->addWidget(box, row + 1, 0);
        grid->addWidget(addDates(row, PrivilegeDate::Start), row + 1, 1, Qt::AlignLeft);
        DateListsEdit* end = addDates(row, PrivilegeDate::End);
        // A hidden end date keeps its room: the rows stay aligned.
        QSizePolicy policy = end->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        end->setSizePolicy(policy);
        grid->addWidget(end, row + 1, 2, Qt::AlignLeft);
    }
    specialServant_ = new QCheckBox(qs(model_.specialServantText()), this);
    missionary_ = new QCheckBox(qs(model_.missionaryText()), this);
    connect(specialServant_, &QCheckBox::clicked, this,
            [this](bool on) { model_.setSpecialServant(on); });
    connect(missionary_, &QCheckBox::clicked, this, [this](bool on) { model_.setMissionary(on); });

    auto* ok = new QPushButton(qs(text::tr(text::TxOk)), this);
    auto* cancel = new QPushButton(qs(text::tr(text::TxCancel)), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ServicePrivilegesDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(specialServant_);
    layout->addWidget(missionary_);
    layout->addLayout(buttons);
    showModel();
}

DateListsEdit* ServicePrivilegesDialog::addDates(int row, PrivilegeDate which) {
    ServicePrivilegesModel& m = model_;
    auto* lists = new DateListsEdit(
        DateListsAccess{
            [&m, row, which]() -> const DateLists& { return m.date(row, which); },
            [&m, row, which](DatePart part, int line) { m.setDateLine(row, which, part, line); },
            [&m, row, which](DatePart part, char c) { return m.dateChar(row, which, part, c); },
            [&m, row, which](DatePart part, DateKey key) {
                return m.dateKey(row, which, part, key);
            },
            [&m, row, which](DatePart part) { m.dateFocusEntered(row, which, part); }},
        this);
    (which == PrivilegeDate::Start ? starts_ : ends_)[row] = lists;
    connect(lists, &DateListsEdit::focusMove, this,
            [this](bool next) { focusNextPrevChild(next); });
    // A complete start date shows the end lists of an ended appointment.
    connect(lists, &DateListsEdit::changed, this, [this] { showModel(); });
    return lists;
}

void ServicePrivilegesDialog::showModel() {
    for (int row = 0; row < ServicePrivilegesModel::kRows; ++row) {
        const QSignalBlocker block(rows_[row]);
        rows_[row]->setChecked(model_.checked(row));
        rows_[row]->setEnabled(model_.enabled(row));
        starts_[row]->setEnabled(model_.enabled(row));
        starts_[row]->showModel();
        ends_[row]->showModel();
        ends_[row]->setVisible(model_.endVisible(row));
    }
    const QSignalBlocker blockServant(specialServant_);
    const QSignalBlocker blockMissionary(missionary_);
    specialServant_->setChecked(model_.specialServant());
    missionary_->setChecked(model_.missionary());
}

bool editServicePrivileges(CVelnoDoc& doc, int storePos, QWidget* parent) {
    if (storePos <= 0 || storePos >= doc.store().recordCount()) return false;
    ServicePrivilegesModel model(doc, storePos);
    ServicePrivilegesDialog dialog(model, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    applyPrivilegeChecks(doc, storePos, dialog.result());
    return true;
}

void ServicePrivilegesDialog::accept() {
    result_ = model_.ok();
    QDialog::accept();
}

}  // namespace velno
