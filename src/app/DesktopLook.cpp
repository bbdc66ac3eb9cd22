#include "app/DesktopLook.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QStyleOptionButton>
#include <algorithm>
#include <cstring>

#include "text/StringTable.h"
#include "text/texts/AppTexts.h"
#include "text/ui/QtText.h"

namespace velno::app {

int ButtonMarginStyle::captionMargin(const QFontMetrics& metrics) {
    return metrics.horizontalAdvance(QLatin1Char('M'));
}

QSize ButtonMarginStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                          const QSize& contents, const QWidget* widget) const {
    QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
    if (type != CT_PushButton) return size;
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    // Icon-only buttons keep the style's square look.
    if (!button || button->text.isEmpty()) return size;
    const int frame = proxy()->pixelMetric(PM_DefaultFrameWidth, option, widget);
    const int wanted = contents.width() + 2 * (captionMargin(option->fontMetrics) + frame);
    size.setWidth(std::max(size.width(), wanted));
    return size;
}

int TitleRoom::widthFor(const QDialog& dialog) {
    // Title bars draw in a bold face of about the program's size; the icon
    // and three buttons beside it take some eight lines' height.
    QFont bold = dialog.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(dialog.windowTitle()) + metrics.height() * 8;
}

bool TitleRoom::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::WindowTitleChange) return false;
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || !dialog->isWindow() || qobject_cast<QMessageBox*>(dialog)) return false;
    if (type == QEvent::WindowTitleChange && !dialog->isVisible()) return false;
    if (dialog->windowTitle().isEmpty()) return false;
    const int wanted = widthFor(*dialog);
    if (dialog->minimumWidth() < wanted && dialog->width() < wanted)
        dialog->setMinimumWidth(wanted);
    return false;
}

QString StandardButtonTexts::translate(const char* context, const char* source, const char*,
                                       int) const {
    // The generic theme says "Cancel", the GNOME one "&Cancel".
    const bool cancel =
        (std::strcmp(context, "QPlatformTheme") == 0 && std::strcmp(source, "Cancel") == 0) ||
        (std::strcmp(context, "QGnomeTheme") == 0 && std::strcmp(source, "&Cancel") == 0);
    return cancel ? qs(text::tr(text::TxButtonCancel)) : QString();
}

void installDesktopLook() {
    // QProxyStyle without a base takes the application's default style,
    // including a -style given on the command line.
    QApplication::setStyle(new ButtonMarginStyle);
    qApp->installEventFilter(new TitleRoom(qApp));
    QCoreApplication::installTranslator(new StandardButtonTexts(qApp));
}

}  // namespace velno::app
