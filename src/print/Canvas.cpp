#include "print/Canvas.h"

namespace velno::print {

void Canvas::checkBox(int left, int top, int size, bool checked) {
    rect(left, top, left + size, top + size);
    if (!checked) return;
    line(left, top, left + size, top + size);
    line(left + size, top, left, top + size);
}

}  // namespace velno::print
