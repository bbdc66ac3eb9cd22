#include "store/ui/DesktopFileOpener.h"

#include <QDesktopServices>
#include <QUrl>

#include "text/StringTable.h"
#include "text/texts/StoreTexts.h"
#include "text/ui/QtText.h"

namespace velno {

std::string DesktopFileOpener::open(const std::string& path) {
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(qs(path)))) return {};
    return text::tr(text::TxNoProgramForFile);
}

}  // namespace velno
