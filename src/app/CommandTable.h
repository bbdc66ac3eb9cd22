#pragma once
// The command map: every command id with its label, accelerator, handler
// and enabling rule; the menu tree and the ActionPanel are built from it.
// No toolkit code here: the table is data, the rules are plain functions
// of the shell's state, so tests can check both without a window.

#include <array>
#include <string>
#include <vector>

#include "app/Shell.h"

namespace velno {
class CVelnoDoc;
namespace print {
class ReportViewState;
}
}  // namespace velno

namespace velno::app {

// What the enabling and caption rules look at.
struct ShellState {
    bool archiveView = false;  // a month-end snapshot is open read-only
    bool reportMode = false;   // the report view shows a report
    int reportMonth0 = 0;      // the ReportMonth in view (the snapshot's in archive view)
    int liveMonth0 = 0;        // the live ReportMonth, where the return button leads
    unsigned oldReportsMask = 0;
    std::array<std::string, 6> oldReportLabels;  // month names, UTF-8
    bool customCategory = false;
    std::string customCategoryName;  // UTF-8
    bool specialNeedsList = false;   // some active publisher has a special need
    bool noStartupNotice = false;
    bool autoCaps = false;
    bool hasPublishers = false;
    bool lateReports = false;  // the late-report list holds entries
    bool sortByFirstName = false;
};

ShellState shellStateOf(const CVelnoDoc& doc, const print::ReportViewState& view);

struct Command;
using Handler = void (*)(Shell& shell, const Command& command);

enum class Enable {
    Always,
    LiveData,     // not while a snapshot is open: the command changes data
    ArchiveView,  // only while a snapshot is open
    ReportMode,   // only while a report is on show
    ReportDrawn,  // the report kind `arg` has a drawing routine
    OldReport,    // the snapshot `arg` months back exists
    LateReports,  // live data with late reports to clear
};
enum class Visible { Always, ArchiveView, CustomCategory, SpecialNeedsList };
enum class Checked { Never, NoStartupNotice, AutoCaps, CustomCategory, SortByFirstName };
enum class Caption {
    Fixed,           // the label text
    ReturnToLive,    // "%1 ->" with the ReportMonth's name
    OldReportMonth,  // the month name of the snapshot `arg` months back
    CustomCategory,  // the custom category's name while one is in use
    SpecialNeeds,    // the special-needs list's caption
};

struct Command {
    int id = 0;
    int label = 0;               // text id
    const char* keys = nullptr;  // accelerators, ";"-separated ("Ctrl+Z;Alt+Backspace")
    Handler handler = nullptr;   // null: the part behind it is not built yet
    Enable enable = Enable::Always;
    int arg = 0;  // report kind, font role, months back
    Visible visible = Visible::Always;
    Checked checked = Checked::Never;
    Caption caption = Caption::Fixed;
    int tip = 0;  // status-line text id
};

const std::vector<Command>& commands();
const Command* findCommand(int id);

bool isEnabled(const Command& command, const ShellState& state);
bool isVisible(const Command& command, const ShellState& state);
bool isChecked(const Command& command, const ShellState& state);
bool isCheckable(const Command& command);
// The caption as the menu or button shows it (UTF-8, "&" marks the
// mnemonic); the accelerator is not part of it.
std::string captionOf(const Command& command, const ShellState& state);
// Runs the command when it is enabled; returns whether it ran.
bool runCommand(int id, Shell& shell, const ShellState& state);

// ---- the menu bar ---------------------------------------------------------

struct MenuNode {
    enum class Type { Item, Submenu, Separator };
    Type type = Type::Item;
    int id = 0;     // Item: the command
    int label = 0;  // Submenu: its text id
    std::vector<MenuNode> children;
    // A submenu with this flag is left out while no snapshot exists.
    bool needsOldReports = false;
};

// The top-level menus, in order.
const std::vector<MenuNode>& menuBar();

// ---- the ActionPanel ---------------------------------------------------------

struct PanelColumn {
    int heading = 0;  // text id
    std::vector<int> buttons;
};
const std::vector<PanelColumn>& panelColumns();
// The return button (129) sits apart from the columns.
constexpr int kPanelReturnButton = 129;

// ---- texts of the frame --------------------------------------------------------

// "  Bulan yang Dikerjakan: Maret"
std::string statusPaneText(const ShellState& state);
// The window title: the program and the data folder, the group for a
// group analysis, the snapshot's month in archive view.
std::string windowTitle(const CVelnoDoc& doc, const print::ReportViewState& view);
// The help page a topic opens, relative to the help folder.
std::string helpPage(HelpTopic topic, const ShellState& state);

}  // namespace velno::app
