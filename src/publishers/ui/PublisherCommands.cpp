#include "publishers/ui/PublisherCommands.h"

#include "app/commands/CommandIds.h"
#include "app/commands/CommandRegistry.h"
#include "app/commands/ShellContext.h"
#include "publishers/BibleStudentListModel.h"
#include "publishers/CircuitOverseerModel.h"
#include "publishers/CustomCategoryModel.h"
#include "publishers/GroupEditorModel.h"
#include "publishers/MovedListModel.h"
#include "publishers/PioneerEnrolmentModel.h"
#include "publishers/PublisherChooserModel.h"
#include "publishers/PublisherSelectModel.h"
#include "publishers/RecordPlacement.h"
#include "publishers/SharedEntryChooserModel.h"
#include "publishers/SideListModel.h"
#include "publishers/ui/CategoryStudentDialogs.h"
#include "publishers/ui/CircuitOverseerDialog.h"
#include "publishers/ui/ContactDialogs.h"
#include "publishers/ui/GroupDialogs.h"
#include "publishers/ui/MonthChoiceDialog.h"
#include "publishers/ui/MovedListDialog.h"
#include "publishers/ui/PioneerEnrolmentDialog.h"
#include "publishers/ui/PublisherChooserDialog.h"
#include "publishers/ui/PublisherEditDialog.h"
#include "publishers/ui/PublisherSelectDialog.h"
#include "publishers/ui/PublisherStatusDialog.h"
#include "publishers/ui/SideListDialog.h"
#include "store/CVelnoDoc.h"
#include "text/StringTable.h"
#include "text/texts/AppTexts.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

namespace {

using app::ShellContext;

void editPublishers(ShellContext& s) {
    PublisherSelectModel model(s.doc());
    {
        PublisherSelectDialog dialog(model, s.dialogParent());
        dialog.askMonth = velno::askMonth;
        dialog.askStatus = [&s](PublisherStatusModel& status,
                                QWidget* parent) -> std::optional<StatusFields> {
            if (!editPublisherStatus(status, parent, [&s] { s.help(app::HelpTopic::Context); }))
                return std::nullopt;
            return status.result();
        };
        dialog.exec();
    }
    // Saving is the save step's business; a changed store redraws the report.
    if (model.close().redraw) s.dataChanged();
}

void customCategory(ShellContext& s) {
    CustomCategoryModel model(s.doc());
    CustomCategoryDialog dialog(model, s.dialogParent());
    dialog.exec();
    // The menus carry the name and the check mark.
    if (s.doc().dirty) s.dataChanged();
}

void bibleStudents(ShellContext& s) {
    BibleStudentListModel model(s.doc());
    BibleStudentListDialog dialog(
        model,
        [](PublisherEditModel& editor, QWidget* parent) {
            PublisherEditDialog edit(editor, parent);
            edit.exec();
        },
        s.dialogParent());
    dialog.exec();
    if (model.close()) s.dataChanged();
}

void enrolPioneers(ShellContext& s, EnrolmentMode mode) {
    PioneerEnrolmentModel model(s.doc(), mode);
    PioneerEnrolmentDialog dialog(model, s.dialogParent());
    dialog.exec();
    if (s.doc().dirty) s.dataChanged();
}

// The side lists and the groups: the index views are rebuilt and the
// report redrawn after each dialog.
void sideList(ShellContext& s, SideListMode mode) {
    SideListModel model(s.doc(), mode);
    SideListDialog dialog(s.doc(), model, s.dialogParent());
    dialog.exec();
    s.doc().rebuildIndex();
    s.dataChanged();
}

void movedList(ShellContext& s) {
    MovedListModel model(s.doc());
    MovedListDialog dialog(s.doc(), model, s.dialogParent());
    dialog.exec();
    s.doc().rebuildIndex();
    s.dataChanged();
}

void editGroups(ShellContext& s) {
    GroupEditorModel model(s.doc());
    GroupEditorDialog dialog(s.doc(), model, s.dialogParent());
    dialog.exec();
    if (model.close()) s.dataChanged();
}

void editCircuitOverseer(ShellContext& s) {
    CircuitOverseerModel model(s.doc());
    CircuitOverseerDialog dialog(model, s.dialogParent());
    if (dialog.exec() == QDialog::Accepted) s.dataChanged();
}

// The forms of the chosen heads, or one blank form.
void emergencyForms(ShellContext& s) {
    PublisherChooserModel chooser(s.doc(), text::TxEmergencyFormsChooser, ListActive,
                                  PublisherChooserModel::LastEntry::BlankForm);
    PublisherChooserDialog dialog(chooser, s.dialogParent());
    if (dialog.exec() != QDialog::Accepted) return;
    s.setReportChoice(0, chooser.blankForm() ? std::vector<int>{} : chooser.result());
    s.showReport(chooser.blankForm() || chooser.result().empty() ? print::kind::EmergencyBlankForm
                                                                 : print::kind::EmergencyForms);
}

// The special-needs list of one need or of all.
void specialNeeds(ShellContext& s) {
    SharedEntryChooserModel filter(s.doc(), SharedEntryChooserModel::Mode::NeedsReport);
    SharedEntryChooserDialog dialog(filter, s.dialogParent());
    if (dialog.exec() != QDialog::Accepted) return;
    s.setReportChoice(filter.ok(), {});
    s.showReport(print::kind::SpecialNeedsCongregation);
}

}  // namespace

void registerPublisherCommands(app::CommandRegistry& r, ShellContext& s) {
    using app::command;
    using app::Enable;
    namespace cmd = app::cmd;
    using namespace text;

    const auto edit = [&s] { editPublishers(s); };
    r.add(command(cmd::EditPublishers, TxMPublishers, edit, Enable::LiveData));
    r.add(command(cmd::PanelEditPublishers, TxPanelEditPublishers, edit, Enable::LiveData));
    const auto groups = [&s] { editGroups(s); };
    r.add(command(cmd::Groups, TxMGroups, groups, Enable::LiveData));
    r.add(command(cmd::PanelGroups, TxPanelGroups, groups, Enable::LiveData));
    const auto inactive = [&s] { sideList(s, SideListMode::Inactive); };
    r.add(command(cmd::Inactive, TxMInactive, inactive, Enable::LiveData));
    r.add(command(cmd::PanelInactive, TxPanelInactive, inactive, Enable::LiveData));
    r.add(command(
        cmd::Deleted, TxMDeleted, [&s] { sideList(s, SideListMode::Deleted); },
        Enable::DeletedList));
    const auto moved = [&s] { movedList(s); };
    r.add(command(cmd::Moved, TxMMoved, moved, Enable::LiveData));
    r.add(command(cmd::PanelMoved, TxPanelMoved, moved, Enable::LiveData));
    const auto auxiliary = [&s] { enrolPioneers(s, EnrolmentMode::Auxiliary); };
    r.add(command(cmd::AuxiliaryPioneers, TxMAuxiliaryPioneers, auxiliary, Enable::LiveData));
    r.add(command(cmd::PanelAuxiliary, TxPanelAuxiliary, auxiliary, Enable::LiveData));
    r.add(command(
        cmd::RegularPioneers, TxMRegularPioneers,
        [&s] { enrolPioneers(s, EnrolmentMode::Regular); }, Enable::LiveData));

    r.add(command(
        cmd::CircuitOverseer, TxMCircuitOverseer, [&s] { editCircuitOverseer(s); },
        Enable::LiveData));
    r.add(command(cmd::EmergencyForms, TxMEmergencyForms, [&s] { emergencyForms(s); }));
    r.add(command(cmd::SpecialNeedsCongregation, TxMListCongregation, [&s] { specialNeeds(s); }));
    r.add(command(
        cmd::BibleStudents, TxMBibleStudents, [&s] { bibleStudents(s); }, Enable::LiveData));
    app::Command category = command(
        cmd::CustomCategory, TxMCustomCategory, [&s] { customCategory(s); }, Enable::LiveData);
    category.checked = app::Checked::CustomCategory;
    r.add(std::move(category));

    app::Command caps = command(
        cmd::AutoCaps, TxMAutoCaps, [&s] { toggleAutoCaps(s.doc()); }, Enable::LiveData);
    caps.checked = app::Checked::AutoCaps;
    r.add(std::move(caps));
    // No menu entry: reached by its id alone.
    app::Command order = command(
        cmd::SortByFirstName, 0,
        [&s] {
            toggleSortByFirstName(s.doc());
            s.dataChanged();
        },
        Enable::LiveData);
    order.checked = app::Checked::SortByFirstName;
    r.add(std::move(order));
}

}  // namespace velno
