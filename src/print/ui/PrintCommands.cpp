#include "print/ui/PrintCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <tuple>

#include "app/commands/CommandIds.h"
#include "app/commands/CommandRegistry.h"
#include "app/commands/ShellContext.h"

#include "print/CardLabels.h"
#include "print/ListViewerModel.h"
#include "print/RecordCardViewerModel.h"
#include "print/ui/CardLabelDialogs.h"
#include "print/ui/DesktopDialer.h"
#include "print/ui/ListViewerDialog.h"
#include "print/ui/RecordCardDialogs.h"
#include "publishers/PublisherChooserModel.h"
#include "publishers/PublisherEditModel.h"
#include "publishers/ui/PublisherChooserDialog.h"
#include "publishers/ui/PublisherEditDialog.h"
#include "publishers/ui/ServicePrivilegesDialog.h"
#include "store/CVelnoDoc.h"
#include "store/DesktopServices.h"
#include "store/Prompter.h"
#include "text/Cp1252.h"
#include "text/texts/AppTexts.h"
#include "text/texts/PrintTexts.h"

namespace velno {

namespace {

using app::ShellContext;

void recordCards(ShellContext& s) {
    CVelnoDoc& doc = s.doc();
    print::RecordCardViewerModel model(doc);
    print::RecordCardViewerDialog::Services services;
    services.doc = &doc;
    services.today = s.today();
    // Editing opens the publisher editor on the chosen card; a snapshot is
    // not edited.
    if (!doc.oldYearView)
        services.edit = [&s](int pos) {
            PublisherEditModel editor(s.doc(), nullptr, EditMode::Edit, pos);
            PublisherEditDialog dialog(editor, s.dialogParent());
            dialog.exec();
            s.dataChanged();
        };
    print::RecordCardViewerDialog dialog(model, std::move(services), s.dialogParent());
    dialog.exec();
    s.refreshAll();
}

class DesktopClipboard : public Clipboard {
public:
    void setText(const std::string& utf8) override {
        QGuiApplication::clipboard()->setText(QString::fromStdString(utf8));
    }
};

// Runs another subsystem's command, when it is built.
void runCommand(const app::CommandRegistry& r, int id) {
    const app::Command* c = r.find(id);
    if (c && c->built()) c->handler();
}

void listViewer(app::CommandRegistry& r, ShellContext& s, MailComposer& mail, ListMode mode) {
    print::ListViewerModel model(s.doc(), mode);
    DesktopClipboard clipboard;
    print::DesktopDialer dialer;
    print::ListViewerDialog::Actions actions;
    actions.clipboard = &clipboard;
    actions.mail = &mail;
    actions.dialer = &dialer;
    actions.tell = [&s](const std::string& message) {
        s.doc().prompter().tell(message, Icon::Warning);
    };
    actions.print = [&s] {
        s.showDrawing(print::drawListToPrint);
        s.print();
    };
    actions.printerSetup = [&r] { runCommand(r, app::cmd::PrintSetup); };
    // Mode 12's "Edit": the privileges of the chosen row (never on a snapshot).
    if (!s.doc().oldYearView)
        actions.edit = [&s](int pos) {
            if (editServicePrivileges(s.doc(), pos, s.dialogParent())) s.dataChanged();
        };
    print::ListViewerDialog dialog(model, std::move(actions), s.dialogParent());
    dialog.exec();
}

// Card labels: every active publisher, or those chosen in dialog 126,
// from the first free label that dialog 127 asks for.
void cardLabels(ShellContext& s, bool choose) {
    CVelnoDoc& doc = s.doc();
    print::LabelJob job;
    if (choose) {
        PublisherChooserModel chooser(doc, text::TxLabelChooserTitle, ListActive,
                                      PublisherChooserModel::LastEntry::Pioneers);
        PublisherChooserDialog dialog(chooser, s.dialogParent());
        if (dialog.exec() != QDialog::Accepted) return;
        job.positions = chooser.result();
        if (job.positions.empty()) return;
    }
    print::FirstLabelModel first(doc.profile());
    print::FirstLabelDialog dialog(first, s.dialogParent());
    if (dialog.exec() != QDialog::Accepted) return;
    first.accept(doc.profile());
    job.firstLabel = first.firstLabel();
    print::setLabelsToPrint(std::move(job));
    s.showReport(print::kind::CardLabels);
}

void cardPreferences(ShellContext& s) {
    print::CardPreferencesModel model(s.doc());
    print::CardPreferencesDialog dialog(model, s.dialogParent());
    if (dialog.exec() == QDialog::Accepted && model.accept(s.doc())) s.refreshAll();
}

}  // namespace

void registerPrintCommands(app::CommandRegistry& r, ShellContext& s, MailComposer& mail) {
    using app::command;
    namespace cmd = app::cmd;
    using namespace text;
    const auto cards = [&s] { recordCards(s); };
    r.add(command(cmd::RecordCards, TxMRecordCards, cards));
    r.add(command(cmd::PanelRecordCards, TxPanelRecordCards, cards));
    r.add(command(cmd::CardOptions, TxMCardOptions, [&s] { cardPreferences(s); }));
    for (const auto& [id, label, choose] : {std::tuple{cmd::LabelsAll, TxMLabelsAll, false},
                                            std::tuple{cmd::LabelsSome, TxMLabelsSome, true}}) {
        app::Command c = command(
            id, label, [&s, choose = choose] { cardLabels(s, choose); }, app::Enable::ReportBuilt);
        c.arg = print::kind::CardLabels;
        r.add(std::move(c));
    }

    // The "&Lihat" lists and their ActionPanel buttons open the list viewer
    // on their list.
    const struct {
        int id;
        int label;
        ListMode mode;
    } lists[] = {
        {cmd::ListNotReporting, TxMListNotReporting, ListMode::NotReporting},
        {cmd::PanelNoReport, TxPanelNoReport, ListMode::NotReporting},
        {cmd::ListIrregular, TxMListIrregular, ListMode::Irregular},
        {cmd::PanelIrregular, TxPanelIrregular, ListMode::Irregular},
        {cmd::ListNew, TxMListNew, ListMode::New},
        {cmd::PanelNew, TxPanelNew, ListMode::New},
        {cmd::ListReactivated, TxMListReactivated, ListMode::Reactivated},
        {cmd::PanelReactivated, TxPanelReactivated, ListMode::Reactivated},
        {cmd::ListInactive, TxMListInactive, ListMode::Inactive},
        {cmd::ListMoved, TxMListMoved, ListMode::Moved},
        {cmd::ListNewlyBaptised, TxMListNewlyBaptised, ListMode::Baptized},
        {cmd::PanelNewlyBaptised, TxPanelNewlyBaptised, ListMode::Baptized},
        {cmd::ListAuxiliary, TxMListAuxiliary, ListMode::Auxiliary},
        {cmd::ListConductors, TxMListConductors, ListMode::Conductors},
        {cmd::ListUnbaptised, TxMListUnbaptised, ListMode::Unbaptized},
        {cmd::ListInterested, TxMListInterested, ListMode::BibleStudents},
        {cmd::ListCollectionForm, TxMListCollectionForm, ListMode::Form},
        {cmd::ListPrivileges, TxMListPrivileges, ListMode::Privileges},
        {cmd::ListConsent, TxMListConsent, ListMode::Consent},
        {cmd::ListNoConsent, TxMListNoConsent, ListMode::NoConsent},
    };
    for (const auto& l : lists) {
        const ListMode mode = l.mode;
        r.add(command(l.id, l.label, [&r, &s, &mail, mode] { listViewer(r, s, mail, mode); }));
    }
    // The special-needs list shows only while someone has a need; the
    // custom category's list carries its name and is greyed until one is
    // in use.
    app::Command needs = command(cmd::ListSpecialNeeds, TxMListSpecialNeeds, [&r, &s, &mail] {
        listViewer(r, s, mail, ListMode::SpecialNeeds);
    });
    needs.visible = app::Visible::SpecialNeedsList;
    needs.caption = app::Caption::SpecialNeeds;
    r.add(std::move(needs));
    app::Command custom = command(
        cmd::ListCustom, TxMListCustom,
        [&r, &s, &mail] { listViewer(r, s, mail, ListMode::Custom); }, app::Enable::CustomCategory);
    custom.caption = app::Caption::CustomCategory;
    r.add(std::move(custom));
}

}  // namespace velno
