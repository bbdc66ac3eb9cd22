#include "print/RecordCardPrinting.h"

#include "store/CVelnoDoc.h"

namespace velno::print {

CardPrintResult printCards(const CVelnoDoc& doc, const ReportFonts& fonts, PrintTarget& target,
                           const CardJob& job, const CalendarDate& today,
                           const CardProgress& progress) {
    ReportViewState view;
    view.pageLengthTenths = target.paperIsA4() ? kA4PageLengthTenths : kPageLengthTenths;
    ReportContext ctx = view.contextFor(doc, target.canvas(), fonts, today);
    const CardRequest request = cardRequest(doc, job);
    const bool onePerPage = request.options.onePerPage;

    CardPrintResult result;
    const int total = job.summary ? 1 : static_cast<int>(job.positions.size());
    CardCursor cursor;
    auto drawCard = [&](const RecordCard& card) {
        for (int t = 0; t < static_cast<int>(card.tables.size()); ++t) {
            if (cursor.advance(onePerPage)) target.newPage();
            // Every page is drawn at the top of the device.
            drawCardTableWithHeader(ctx, card, t, 0, cursor.position);
        }
        ++result.cards;
    };
    for (int i = 0; i < total; ++i) {
        if (job.summary) {
            drawCard(buildSummaryCard(doc, job.inactive, request));
        } else {
            const int pos = job.positions[i];
            if (pos < 1 || pos >= doc.store().recordCount()) continue;
            drawCard(buildRecordCard(doc, pos, request));
        }
        if (progress && !progress(i + 1, total)) {
            result.cancelled = true;
            break;
        }
    }
    result.pages = cursor.started ? cursor.page : 0;
    return result;
}

std::vector<int> cardPositions(const CVelnoDoc& doc, bool inactive) {
    const auto& list = doc.store().subList(inactive ? ListInactive : ListActive);
    return {list.begin(), list.end()};
}

}  // namespace velno::print
