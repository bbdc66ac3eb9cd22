#pragma once
// The exchange commands of the menus: backup and restore, and the group
// file buttons of the report list.

#include "exchange/ui/BackupDialog.h"

class QWidget;

namespace velno::app {
class CommandRegistry;
class ShellContext;
}  // namespace velno::app

namespace velno {

class CVelnoDoc;
class MailComposer;

// `chooser` is the program's folder picker; `mail` composes mail.
void registerExchangeCommands(app::CommandRegistry& registry, app::ShellContext& shell,
                              FolderChooser chooser, MailComposer& mail);
// The report list's group-file buttons forget the shell (its window closes).
void unregisterExchangeCommands();

// The end of every load: the warning about unprotected exports left in the
// data folder (dialog 130 when a month's export is found).
void warnOfExportFiles(CVelnoDoc& doc, QWidget* parent);

}  // namespace velno
