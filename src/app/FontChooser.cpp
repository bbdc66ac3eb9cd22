#include "app/FontChooser.h"

#include <QFontDialog>

#include "print/ui/QPainterCanvas.h"

namespace velno::app {

namespace {

// The font chooser works in points; a report font is kept in pixels of
// the screen.
QFont chooserFont(const print::LogicalFont& font, int dpiY) {
    QFont f = print::QPainterCanvas::toQFont(font);
    const int pixels = font.height < 0 ? -font.height : font.height * 5 / 6;
    f.setPointSize(std::max(1, qRound(pixels * 72.0 / dpiY)));
    return f;
}

bool sameChoice(const QFont& a, const QFont& b) {
    return a.family() == b.family() && a.pointSize() == b.pointSize() && a.weight() == b.weight() &&
           a.italic() == b.italic() && a.underline() == b.underline();
}

print::LogicalFont logicalFont(const QFont& chosen, const print::LogicalFont& old, int dpiY) {
    print::LogicalFont f = old;
    const double points = chosen.pointSizeF() > 0 ? chosen.pointSizeF() : chosen.pointSize();
    f.height = -std::max(1, qRound(points * dpiY / 72.0));
    f.width = 0;
    f.weight = chosen.weight();
    f.italic = chosen.italic();
    f.underline = chosen.underline();
    f.faceName = chosen.family().toStdString();
    return f;
}

}  // namespace

std::optional<print::LogicalFont> chooseReportFont(const print::LogicalFont& old, int dpiY,
                                                   const QString& caption, QWidget* parent) {
    QFontDialog dialog(chooserFont(old, dpiY), parent);
    dialog.setWindowTitle(caption);
    // The chooser shows the nearest font the machine has ("Arial" may be
    // a substitute): that one, confirmed as it is, is no change.
    const QFont unchanged = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QFont chosen = dialog.selectedFont();
    if (sameChoice(chosen, unchanged)) return std::nullopt;
    const print::LogicalFont font = logicalFont(chosen, old, dpiY);
    if (font == old) return std::nullopt;
    return font;
}

}  // namespace velno::app
