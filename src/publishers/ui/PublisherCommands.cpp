#include "publishers/ui/PublisherCommands.h"

#include "app/commands/CommandIds.h"
#include "app/commands/CommandRegistry.h"
#include "app/commands/ShellContext.h"
#include "publishers/PioneerEnrolmentModel.h"
#include "publishers/PublisherSelectModel.h"
#include "publishers/RecordPlacement.h"
#include "publishers/ui/MonthChoiceDialog.h"
#include "publishers/ui/PioneerEnrolmentDialog.h"
#include "publishers/ui/PublisherSelectDialog.h"
#include "publishers/ui/PublisherStatusDialog.h"
#include "store/CVelnoDoc.h"
#include "text/StringTable.h"
#include "text/texts/AppTexts.h"

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

void enrolPioneers(ShellContext& s, EnrolmentMode mode) {
    PioneerEnrolmentModel model(s.doc(), mode);
    PioneerEnrolmentDialog dialog(model, s.dialogParent());
    dialog.exec();
    if (s.doc().dirty) s.dataChanged();
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
    const auto auxiliary = [&s] { enrolPioneers(s, EnrolmentMode::Auxiliary); };
    r.add(command(cmd::AuxiliaryPioneers, TxMAuxiliaryPioneers, auxiliary, Enable::LiveData));
    r.add(command(cmd::PanelAuxiliary, TxPanelAuxiliary, auxiliary, Enable::LiveData));
    r.add(command(
        cmd::RegularPioneers, TxMRegularPioneers,
        [&s] { enrolPioneers(s, EnrolmentMode::Regular); }, Enable::LiveData));

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
