#pragma once
// The publisher-records commands of the menus and the ActionPanel: the
// publisher editor, pioneer enrolment and the name options.

namespace velno::app {
class CommandRegistry;
class ShellContext;
}  // namespace velno::app

namespace velno {

void registerPublisherCommands(app::CommandRegistry& registry, app::ShellContext& shell);

}  // namespace velno
