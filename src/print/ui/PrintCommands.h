#pragma once
// The commands of the record cards: the viewer (32771, ActionPanel 124)
// and the card preferences (32888); the lists of the list viewer, whose
// reminders go through `mail`.

namespace velno::app {
class CommandRegistry;
class ShellContext;
}  // namespace velno::app

namespace velno {

class MailComposer;

void registerPrintCommands(app::CommandRegistry& registry, app::ShellContext& shell,
                           MailComposer& mail);

}  // namespace velno
