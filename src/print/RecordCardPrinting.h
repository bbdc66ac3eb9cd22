#pragma once
// Printing many record cards straight onto a device, card after card and
// page after page, so that a whole congregation's cards never lie in
// memory at once.

#include <functional>

#include "print/RecordCardPage.h"
#include "print/ReportViewState.h"

namespace velno::print {

struct CardPrintResult {
    int pages = 0;
    int cards = 0;
    bool cancelled = false;
};

// Called after each card with the cards done and the cards in all; false
// stops the printing.
using CardProgress = std::function<bool(int done, int total)>;

CardPrintResult printCards(const CVelnoDoc& doc, const ReportFonts& fonts, PrintTarget& target,
                           const CardJob& job, const CalendarDate& today,
                           const CardProgress& progress = {});

// The store positions of every active (or inactive) publisher, in name
// order: the card files of the viewer.
std::vector<int> cardPositions(const CVelnoDoc& doc, bool inactive);

}  // namespace velno::print
