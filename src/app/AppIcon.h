#pragma once
// The program's icon for its windows, drawn to the same design as the
// installed SVG (Qt may lack its SVG plugin).

#include <QIcon>

namespace velno::app {

QIcon appIcon();

}  // namespace velno::app
