#pragma once
// What every report page draws on: a device with a resolution, logical
// fonts, text, lines and rectangles. The recording canvas serves tests and
// text output; a QPainter canvas serves the screen, printers and PDF.

#include <string>
#include <string_view>

namespace velno::print {

enum class Align { Left, Right, Center };

// A logical font as the settings store it. Heights are in device units;
// negative heights give the character height without internal leading.
struct LogicalFont {
    int height = 0;
    int width = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    int pitchAndFamily = 0;
    int charSet = 0;
    std::string faceName;  // at most 31 characters

    bool operator==(const LogicalFont&) const = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // Pixels per inch of the device.
    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;
    virtual bool isPrinter() const = 0;

    // The font is used as given (already scaled for the device).
    virtual void setFont(const LogicalFont& font) = 0;
    // UTF-8 text; y is the top of the text cell.
    virtual void text(int x, int y, std::string_view text, Align align = Align::Left) = 0;
    virtual int textWidth(std::string_view text) = 0;
    // Height of the font's text cell plus its external leading.
    virtual int lineSpacing() = 0;
    virtual int textHeight() = 0;

    virtual void line(int x1, int y1, int x2, int y2, int width = 1) = 0;
    virtual void rect(int left, int top, int right, int bottom, int width = 1) = 0;
    virtual void fillRect(int left, int top, int right, int bottom, int grey) = 0;
    // A square box, crossed when checked.
    virtual void checkBox(int left, int top, int size, bool checked);
    // A value the report leaves blank by its rule, at the place its text
    // would take. Pages show nothing; text output puts a dash there, so
    // that a reader of plain columns can tell a blank from a shifted value.
    virtual void blankValue(int x, int y, Align align) {
        (void)x;
        (void)y;
        (void)align;
    }

    // Drawing outside the band is dropped (page bands while printing). The
    // band is given in the coordinates of the drawing calls.
    virtual void setClip(int left, int top, int right, int bottom) = 0;
    // Whether something drawn between these lines can show: false when they
    // lie outside the band, so a page printed band by band can skip the
    // work of lines that would be cut anyway.
    virtual bool showsLines(int top, int bottom) const {
        (void)top;
        (void)bottom;
        return true;
    }
    virtual void clearClip() = 0;
    // Moves the drawing origin: logical (x, y) lands at (x - dx, y - dy).
    virtual void setOriginShift(int dx, int dy) = 0;
};

}  // namespace velno::print
