#pragma once
// The one command table: every command id with its label, accelerator,
// enabling rule and handler. The shell declares the vocabulary of the
// menus; each subsystem's ui library adds the commands it handles through
// its own registration function, so a new dialog is wired where it lives.
// No toolkit code here: the rules are plain functions of the shell's state.

#include <array>
#include <functional>
#include <string>
#include <vector>

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
    bool deletedList = false;  // the deleted list holds records
    bool sortByFirstName = false;
};

ShellState shellStateOf(const CVelnoDoc& doc, const print::ReportViewState& view);

enum class Enable {
    Always,
    LiveData,        // not while a snapshot is open: the command changes data
    ArchiveView,     // only while a snapshot is open
    ReportMode,      // only while a report is on show
    ReportBuilt,     // the report kind `arg` has pages in this build
    OldReport,       // the snapshot `arg` months back exists
    LateReports,     // live data with late reports to clear
    DeletedList,     // live data with records on the deleted list
    CustomCategory,  // a custom category is in use
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
    int label = 0;                  // text id
    const char* keys = nullptr;     // accelerators, ";"-separated ("Ctrl+Z;Alt+Backspace")
    std::function<void()> handler;  // empty: what it opens is not built yet
    Enable enable = Enable::Always;
    int arg = 0;  // report kind, months back
    Visible visible = Visible::Always;
    Checked checked = Checked::Never;
    Caption caption = Caption::Fixed;
    int tip = 0;  // status-line text id

    bool built() const { return static_cast<bool>(handler); }
};

// A row with its handler.
Command command(int id, int label, std::function<void()> handler, Enable enable = Enable::Always,
                const char* keys = nullptr);
// A row that shows the report kind `kind` through `show`.
Command reportCommand(int id, int label, int kind, std::function<void(int kind)> show);

class CommandRegistry {
public:
    // Adds a command. A row of the same id without a handler (a command
    // not built yet) is replaced in place; a second handler for one id is
    // refused and remembered in duplicates().
    bool add(Command command);
    // A command not built yet (no handler): shown, disabled.
    // Left out when the id already has a row.
    void addPending(Command command);
    // Sets the accelerators of a row that exists.
    void setKeys(int id, const char* keys);

    const Command* find(int id) const;
    const std::vector<Command>& commands() const { return commands_; }
    const std::vector<int>& duplicates() const { return duplicates_; }

    // Runs the command when it is enabled; returns whether it ran.
    bool run(int id, const ShellState& state) const;

private:
    std::vector<Command> commands_;
    std::vector<int> duplicates_;
};

bool isEnabled(const Command& command, const ShellState& state);
// What the command opens is not built yet: no handler, or a report
// kind without pages. Such commands say "Belum tersedia".
bool isPending(const Command& command);
bool isVisible(const Command& command, const ShellState& state);
bool isChecked(const Command& command, const ShellState& state);
bool isCheckable(const Command& command);
// The caption as the menu or button shows it (UTF-8, "&" marks the
// mnemonic); the accelerator is not part of it.
std::string captionOf(const Command& command, const ShellState& state);

}  // namespace velno::app
