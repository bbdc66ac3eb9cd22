#pragma once
// The standard font chooser on a copy of a report font.

#include <QString>
#include <optional>

#include "print/ReportFonts.h"

class QWidget;

namespace velno::app {

// The font the user confirmed, or nothing when the chooser was cancelled
// or the font is the one offered.
std::optional<print::LogicalFont> chooseReportFont(const print::LogicalFont& old, int dpiY,
                                                   const QString& caption, QWidget* parent);

}  // namespace velno::app
