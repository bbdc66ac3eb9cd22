#pragma once
// How every window of the program is sized beyond what each dialog lays
// out: room beside a button's caption, and room for a dialog's title.

#include <QObject>
#include <QProxyStyle>
#include <QTranslator>

class QDialog;

namespace velno::app {

// Some styles (Fusion, the one used without a desktop's own) leave four
// pixels each side of a push button's text, so a long caption seems to fill
// its button edge to edge. This style gives every captioned button at least
// an em each side; a style that already leaves more keeps its own size.
class ButtonMarginStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override;

    // The room each side of a caption drawn in `metrics`.
    static int captionMargin(const QFontMetrics& metrics);
};

// Widens a dialog narrower than its title needs beside the title bar's icon
// and buttons, so that the window manager need not cut the title short.
// Message boxes size themselves for their titles already.
class TitleRoom : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The width a title bar needs for `dialog`'s title.
    static int widthFor(const QDialog& dialog);
};

// Qt's standard "Cancel" button (button boxes, file and print dialogs) in
// the string table's words: Qt ships no Indonesian of its own. Every other
// text is left to Qt's translations.
class StandardButtonTexts : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }
};

// Puts the style over the application's own (the platform's, or the one
// chosen with -style) and watches every dialog's title. Every window made
// afterwards is sized this way, and Qt's standard buttons read our words.
void installDesktopLook();

}  // namespace velno::app
