#include "print/ui/CardsPdf.h"

#include <filesystem>
#include <system_error>

#include "print/ui/PdfPrintTarget.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/PrintTexts.h"

namespace velno::print {

CardsPdfResult writeCardsPdf(const CVelnoDoc& doc, const ReportFonts& fonts,
                             const std::string& path, const CardJob& job, const CalendarDate& today,
                             bool a4, const CardProgress& progress) {
    namespace fs = std::filesystem;
    CardsPdfResult result;
    const std::string failed = text::arg(text::tr(text::TxCardPdfCannotWrite), path);
    std::error_code ec;
    const fs::path target(path);
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    const std::string partial = path + ".part";
    bool written = false;
    {
        PdfPrintTarget pdf(partial, a4);
        if (!pdf.ok()) {
            result.message = failed;
            return result;
        }
        const CardPrintResult printed = printCards(doc, fonts, pdf, job, today, progress);
        result.pages = printed.pages;
        result.cancelled = printed.cancelled;
        written = pdf.finish();
    }
    if (result.cancelled || !written) {
        fs::remove(partial, ec);
        if (!written && !result.cancelled) result.message = failed;
        return result;
    }
    fs::rename(partial, target, ec);
    if (ec) {
        fs::remove(partial, ec);
        result.message = failed;
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace velno::print
