#pragma once
// Icons of the toolbar: the desktop's icon theme where it has them,
// otherwise drawn here on demand at the size asked for (no image files to
// read and decode while the program starts).

#include <QIcon>

namespace velno::app {

enum class ToolIcon { Save, Print, Preview, ExportPdf, Back, Help };

QIcon toolIcon(ToolIcon which);

}  // namespace velno::app
