#pragma once
// The publisher record card, drawn in physical units: two cards to a page,
// each a header with the person's facts and a table of one service year
// (or span of months).

#include <vector>

#include "print/ReportContext.h"
#include "reporting/RecordCard.h"

namespace velno::print {

// What the card report prints: the cards of these store positions, or the
// summary card over the active (or inactive) publishers.
struct CardJob {
    std::vector<int> positions;
    bool summary = false;
    bool inactive = false;
    bool previous = false;
    CardSpan span = CardSpan::ServiceYear;
};

// The card's frame on its page: left edge, width, top of the card.
struct CardFrame {
    int left = 0;
    int width = 0;
    int top = 0;
};
CardFrame cardFrame(const ReportContext& ctx, int pageTop, int position);

// The header of a card in page position 0 (upper) or 1 (lower); returns
// the y where the table begins.
int drawCardHeader(ReportContext& ctx, const RecordCard& card, int pageTop, int position);
// One table of a card below its header, for printing or the screen (the
// canvas tells which).
void drawCardTable(ReportContext& ctx, const RecordCard& card, const CardTable& table,
                   const CardFrame& frame, int top);

// The request the settings and a job make.
CardRequest cardRequest(const CVelnoDoc& doc, const CardJob& job);
// The cards of a job, in order.
std::vector<RecordCard> buildCards(const CVelnoDoc& doc, const CardJob& job);

// Where each table of a card goes: two to a page, or one with "One
// service year per page". Cards follow each other without a gap.
struct CardCursor {
    int page = 1;
    int position = 0;
    bool started = false;
    // Moves to the place of the next table; returns whether it starts a
    // new page (the first table of all does not).
    bool advance(bool onePerPage);
};
// Header and table of one table of a card at a page position.
void drawCardTableWithHeader(ReportContext& ctx, const RecordCard& card, int table, int pageTop,
                             int position);
// The card report of ctx.cards (every page); an empty page without a job.
int drawRecordCards(ReportContext& ctx);

}  // namespace velno::print
