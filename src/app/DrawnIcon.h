#pragma once
// An icon drawn by a function at whatever size is asked for, on a 24-unit
// design square. Disabled icons are greyed the way the style greys pixmaps.

#include <QIcon>
#include <functional>

class QPainter;

namespace velno::app {

using IconDrawing = std::function<void(QPainter&)>;

QIcon drawnIcon(IconDrawing draw);

}  // namespace velno::app
