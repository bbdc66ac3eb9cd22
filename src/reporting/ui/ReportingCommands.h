#pragma once
// The monthly-reporting commands of the menus and the ActionPanel: report
// entry, attendance, the quick view, the history editor, the yearly
// dialogs and the month's options.

namespace velno::app {
class CommandRegistry;
class ShellContext;
}  // namespace velno::app

namespace velno {

void registerReportingCommands(app::CommandRegistry& registry, app::ShellContext& shell);

}  // namespace velno
