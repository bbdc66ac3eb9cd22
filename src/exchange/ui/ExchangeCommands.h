#pragma once
// The exchange commands of the menus: backup and restore, and the group
// file buttons of the report list.

#include <filesystem>

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
// The CSV report import from its file on: the file's check, the column map,
// the name map and the import selection, each dialog modal on `parent`.
void runCsvImport(CVelnoDoc& doc, const std::filesystem::path& path, QWidget* parent);

}  // namespace velno
