#pragma once
// The commands of the record cards: the viewer (32771, ActionPanel 124)
// and the card preferences (32888).

namespace velno::app {
class CommandRegistry;
class ShellContext;
}  // namespace velno::app

namespace velno {

void registerPrintCommands(app::CommandRegistry& registry, app::ShellContext& shell);

}  // namespace velno
