#pragma once
// What the command handlers of every subsystem's ui library reach: the
// document, the window that parents their dialogs, and the report view.
// The main window implements it.

#include <vector>

#include "print/ReportKinds.h"
#include "store/Calendar.h"

class QWidget;

namespace velno {
class CVelnoDoc;
namespace print {
class ReportViewState;
}
}  // namespace velno

namespace velno::app {

enum class HelpTopic { Contents, Index, Context };

class ShellContext {
public:
    virtual ~ShellContext() = default;

    virtual CVelnoDoc& doc() = 0;
    // The parent of the dialogs.
    virtual QWidget* dialogParent() = 0;
    virtual CalendarDate today() const = 0;
    virtual const print::ReportViewState& view() const = 0;

    // Shows a report kind; a per-group kind asks for the group first.
    // Returns whether a report is on show afterwards.
    virtual bool showReport(int kind) = 0;
    // What the next special-needs list or set of contact forms shows: the
    // chosen need (0 for all) and the chosen heads' store positions.
    virtual void setReportChoice(int specialNeed, std::vector<int> formHeads) {
        (void)specialNeed;
        (void)formHeads;
    }
    // Shows a report outside the kinds table (a dialog's printout).
    virtual void showDrawing(print::DrawReport drawing) = 0;
    virtual void returnToPanel() = 0;
    // Prints the report on show through the print dialog.
    virtual void print() = 0;
    // Prints a dialog's table as it shows on the screen, one page wide.
    virtual void printWidget(QWidget* widget) = 0;

    // The data changed: the month's tally and the report on show follow.
    virtual void dataChanged() = 0;
    // The document was loaded again (a snapshot opened or left): the
    // report on show stays when it still can, the frame follows.
    virtual void documentReloaded() = 0;
    // Status pane, menus, panel and title from the document's state.
    virtual void refreshAll() = 0;

    virtual void help(HelpTopic topic) = 0;
};

}  // namespace velno::app
