#pragma once
// The table of report kinds: what each kind draws and which command
// selects it. The report view and `velno-cli print` both use it.

#include <vector>

#include "print/ReportContext.h"

namespace velno::print {

// Draws every page of a report (pages lie one below the other, each
// pageHeight() tall) and returns the page count (at least 1).
using DrawReport = int (*)(ReportContext& ctx);

struct ReportKindInfo {
    int kind;
    const char* description;  // for developers and the CLI's listing
    int command;              // the menu command that selects it (0 = none)
    bool perGroup;            // drawn for one chosen field service group
    DrawReport draw;          // nullptr while its content is not built yet
};

const std::vector<ReportKindInfo>& reportKinds();
const ReportKindInfo* findReportKind(int kind);

// Registers the drawing routine of a kind (done by the page code of each
// subsystem at start-up through registerReportPages()).
void setReportDrawer(int kind, DrawReport draw);
// Registers every page this build has.
void registerReportPages();

}  // namespace velno::print
