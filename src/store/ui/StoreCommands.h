#pragma once
// The data-store commands of the menus and the ActionPanel: saving, the
// password, the report format, and opening and leaving month-end
// snapshots.

namespace velno::app {
class CommandRegistry;
class ShellContext;
}  // namespace velno::app

namespace velno {

void registerStoreCommands(app::CommandRegistry& registry, app::ShellContext& shell);

}  // namespace velno
