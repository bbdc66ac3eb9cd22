#pragma once
// The shell's layout of the command table: the menu tree, the ActionPanel's
// columns, the commands not built yet, and the texts of the
// frame. The commands themselves come from the registration functions of
// each subsystem's ui library.

#include <string>
#include <vector>

#include "app/commands/CommandRegistry.h"
#include "app/commands/ShellContext.h"

namespace velno::app {

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

// ---- the commands not built yet ------------------------------------------------

// Declares every command of the menus and the panel that no subsystem has
// registered (shown, disabled), and the accelerators of the standard
// commands. Runs after the registrations.
void declarePendingCommands(CommandRegistry& registry);

// ---- texts of the frame --------------------------------------------------------

// "  Bulan yang Dikerjakan: Maret"
std::string statusPaneText(const ShellState& state);
// The window title: the program and the data folder, the group for a
// group analysis, the snapshot's month in archive view.
std::string windowTitle(const CVelnoDoc& doc, const print::ReportViewState& view);
// The file name a save dialog proposes for the report on show: its title
// as the menus name it, the report month and its year, lower case, words
// joined by "-" ("ringkasan-sidang-november-2026.pdf").
std::string reportFileName(const CVelnoDoc& doc, const print::ReportViewState& view,
                           const CommandRegistry& commands);
// Lower case ASCII letters and digits, every other run of characters one "-".
std::string fileNameWords(const std::string& text);
// The help page a topic opens, relative to the help folder.
std::string helpPage(HelpTopic topic, const ShellState& state);

}  // namespace velno::app
