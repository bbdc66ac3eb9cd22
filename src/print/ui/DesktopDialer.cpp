#include "print/ui/DesktopDialer.h"

#include <QDesktopServices>
#include <QUrl>

#include "text/StringTable.h"
#include "text/texts/PrintTexts.h"

namespace velno::print {

std::string DesktopDialer::dial(const std::string& number) {
    const QUrl url(QStringLiteral("tel:") + QString::fromStdString(number));
    if (QDesktopServices::openUrl(url)) return {};
    return text::tr(text::TxDialNotAvailable);
}

}  // namespace velno::print
