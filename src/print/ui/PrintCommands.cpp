#include "print/ui/PrintCommands.h"

#include "app/commands/CommandIds.h"
#include "app/commands/CommandRegistry.h"
#include "app/commands/ShellContext.h"
#include "print/RecordCardViewerModel.h"
#include "print/ui/RecordCardDialogs.h"
#include "store/CVelnoDoc.h"
#include "text/texts/AppTexts.h"

namespace velno {

namespace {

using app::ShellContext;

void recordCards(app::CommandRegistry& r, ShellContext& s) {
    CVelnoDoc& doc = s.doc();
    print::RecordCardViewerModel model(doc);
    print::RecordCardViewerDialog::Services services;
    services.doc = &doc;
    services.today = s.today();
    // Editing goes through the publisher editor; a snapshot is not edited.
    if (!doc.oldYearView)
        services.edit = [&r, &s] {
            const app::Command* edit = r.find(app::cmd::EditPublishers);
            if (edit && edit->built()) edit->handler();
            s.dataChanged();
        };
    print::RecordCardViewerDialog dialog(model, std::move(services), s.dialogParent());
    dialog.exec();
    s.refreshAll();
}

void cardPreferences(ShellContext& s) {
    print::CardPreferencesModel model(s.doc());
    print::CardPreferencesDialog dialog(model, s.dialogParent());
    if (dialog.exec() == QDialog::Accepted && model.accept(s.doc())) s.refreshAll();
}

}  // namespace

void registerPrintCommands(app::CommandRegistry& r, ShellContext& s) {
    using app::command;
    namespace cmd = app::cmd;
    using namespace text;
    const auto cards = [&r, &s] { recordCards(r, s); };
    r.add(command(cmd::RecordCards, TxMRecordCards, cards));
    r.add(command(cmd::PanelRecordCards, TxPanelRecordCards, cards));
    r.add(command(cmd::CardOptions, TxMCardOptions, [&s] { cardPreferences(s); }));
}

}  // namespace velno
