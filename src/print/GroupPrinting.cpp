#include "print/GroupPrinting.h"

#include "store/CVelnoDoc.h"

namespace velno::print {

int printEveryGroup(ReportViewState& view, const CVelnoDoc& doc, const ReportFonts& fonts,
                    PrintTarget& target, const CalendarDate& today, int kind) {
    int printed = 0;
    for (int group = 1; group <= doc.groups().count(); ++group) {
        if (!view.show(doc, kind, group)) continue;
        // Each group starts on a page of its own within the one job.
        if (printed > 0) target.newPage();
        view.print(doc, fonts, target, today);
        ++printed;
    }
    view.returnToPanel();
    return printed;
}

}  // namespace velno::print
