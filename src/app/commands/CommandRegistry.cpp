#include "app/commands/CommandRegistry.h"

#include <algorithm>

#include "print/ReportKinds.h"
#include "print/ReportViewState.h"
#include "reporting/LateReports.h"
#include "store/CVelnoDoc.h"
#include "store/OldReports.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/AppTexts.h"

namespace velno::app {

Command command(int id, int label, std::function<void()> handler, Enable enable, const char* keys) {
    Command c;
    c.id = id;
    c.label = label;
    c.handler = std::move(handler);
    c.enable = enable;
    c.keys = keys;
    return c;
}

Command reportCommand(int id, int label, int kind, std::function<void(int kind)> show) {
    Command c = command(
        id, label, [show = std::move(show), kind] { show(kind); }, Enable::ReportBuilt);
    c.arg = kind;
    return c;
}

bool CommandRegistry::add(Command c) {
    const auto it = std::find_if(commands_.begin(), commands_.end(),
                                 [&](const Command& row) { return row.id == c.id; });
    if (it == commands_.end()) {
        commands_.push_back(std::move(c));
        return true;
    }
    if (it->built() || !c.built()) {
        duplicates_.push_back(c.id);
        return false;
    }
    *it = std::move(c);
    return true;
}

void CommandRegistry::addPending(Command c) {
    if (find(c.id)) return;
    c.handler = nullptr;
    commands_.push_back(std::move(c));
}

void CommandRegistry::setKeys(int id, const char* keys) {
    for (Command& c : commands_)
        if (c.id == id) c.keys = keys;
}

const Command* CommandRegistry::find(int id) const {
    const auto it = std::find_if(commands_.begin(), commands_.end(),
                                 [id](const Command& c) { return c.id == id; });
    return it == commands_.end() ? nullptr : &*it;
}

bool CommandRegistry::run(int id, const ShellState& state) const {
    const Command* c = find(id);
    if (!c || !isEnabled(*c, state)) return false;
    // A copy: the handler may rebuild what the registry's rows point to.
    const std::function<void()> handler = c->handler;
    handler();
    return true;
}

ShellState shellStateOf(const CVelnoDoc& doc, const print::ReportViewState& view) {
    ShellState s;
    s.archiveView = doc.oldYearView;
    s.reportMode = view.mode == print::ViewMode::Report;
    s.reportMonth0 = doc.reportMonth().reportMonth0;
    s.liveMonth0 = doc.oldYearView ? doc.oldReportView().liveMonth.reportMonth0
                                   : doc.reportMonth().reportMonth0;
    for (const OldReportEntry& e : oldReportEntries(doc)) {
        if (e.monthsBack < 1 || e.monthsBack > kOldReportMonths) continue;
        s.oldReportLabels[e.monthsBack - 1] = e.label;
        if (e.available) s.oldReportsMask |= 1u << e.monthsBack;
    }
    const Settings& settings = doc.settings();
    s.customCategory = settings.customCategoryEnabled != 0 && !settings.customCategoryName.empty();
    if (s.customCategory) s.customCategoryName = text::cp1252ToUtf8(settings.customCategoryName);
    s.noStartupNotice = settings.nag != 0;
    s.autoCaps = settings.autoCaps != 0;
    s.sortByFirstName = settings.sortByFirstName;
    const RecordStore& store = doc.store();
    const auto& active = store.subList(ListActive);
    s.hasPublishers = !active.empty();
    s.lateReports = clearLateReportsEnabled(doc);
    s.deletedList = store.countList(ListDeleted) > 0;
    constexpr std::uint16_t kNeeds = MoreBit::Deaf | MoreBit::Blind | MoreBit::Isolated;
    s.specialNeedsList = std::any_of(active.begin(), active.end(), [&](std::uint16_t pos) {
        return (store.at(pos).moreBits & kNeeds) != 0;
    });
    return s;
}

bool isEnabled(const Command& c, const ShellState& s) {
    if (!c.built() || !isVisible(c, s)) return false;
    switch (c.enable) {
        case Enable::Always:
            return true;
        case Enable::LiveData:
            return !s.archiveView;
        case Enable::ArchiveView:
            return s.archiveView;
        case Enable::ReportMode:
            return s.reportMode;
        case Enable::ReportBuilt:
            return print::reportBuilt(c.arg);
        case Enable::OldReport:
            return (s.oldReportsMask & (1u << c.arg)) != 0;
        case Enable::LateReports:
            return !s.archiveView && s.lateReports;
        case Enable::DeletedList:
            return !s.archiveView && s.deletedList;
        case Enable::CustomCategory:
            return s.customCategory;
    }
    return false;
}

bool isPending(const Command& c) {
    return !c.built() || (c.enable == Enable::ReportBuilt && !print::reportBuilt(c.arg));
}

bool isVisible(const Command& c, const ShellState& s) {
    switch (c.visible) {
        case Visible::Always:
            return true;
        case Visible::ArchiveView:
            return s.archiveView;
        case Visible::CustomCategory:
            return s.customCategory;
        case Visible::SpecialNeedsList:
            return s.specialNeedsList;
    }
    return true;
}

bool isCheckable(const Command& c) {
    return c.checked != Checked::Never;
}

bool isChecked(const Command& c, const ShellState& s) {
    switch (c.checked) {
        case Checked::Never:
            return false;
        case Checked::NoStartupNotice:
            return s.noStartupNotice;
        case Checked::AutoCaps:
            return s.autoCaps;
        case Checked::CustomCategory:
            return s.customCategory;
        case Checked::SortByFirstName:
            return s.sortByFirstName;
    }
    return false;
}

std::string captionOf(const Command& c, const ShellState& s) {
    using text::tr;
    switch (c.caption) {
        case Caption::Fixed:
            return tr(c.label);
        case Caption::ReturnToLive:
            // Named after where it leads: the live month.
            return text::arg(tr(text::TxPanelReturnFormat), text::monthName(s.liveMonth0));
        case Caption::OldReportMonth:
            return c.arg >= 1 && c.arg <= kOldReportMonths ? s.oldReportLabels[c.arg - 1]
                                                           : std::string();
        case Caption::CustomCategory:
            return s.customCategory ? s.customCategoryName : tr(c.label);
        case Caption::SpecialNeeds:
            return tr(text::TxMListSpecialNeeds);
    }
    return {};
}

}  // namespace velno::app
