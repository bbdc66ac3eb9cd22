#pragma once
// The shell's own commands: printing and the report view, the report
// kinds of the menus and the panel, the report fonts, help, about, exit.

namespace velno::app {

class CommandRegistry;
class MainWindow;

void registerShellCommands(CommandRegistry& registry, MainWindow& window);

}  // namespace velno::app
