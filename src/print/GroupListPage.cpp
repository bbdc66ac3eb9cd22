#include "print/GroupListPage.h"

#include "print/PageFlow.h"

namespace velno::print {

namespace {

constexpr int kColumns = 4;

}  // namespace

int drawGroupList(ReportContext& ctx, GroupListVariant variant) {
    const GroupListData data = groupListData(ctx.doc, variant, ctx.languageCode);
    Canvas& c = ctx.canvas;
    const ListHeader header{data.title, {}, false};
    const int left = ctx.leftStart();
    const int columnWidth = inchesX(ctx, 7.5) / kColumns;
    int page = 1;
    int y = drawListHeader(ctx, ctx.pageTop(page), header) + ctx.inchY() / 8;
    // The body ends an inch above the page's end.
    auto bottom = [&] { return ctx.pageTop(page) + ctx.pageHeight() - ctx.inchY(); };
    bool atTop = true;

    for (const GroupListing& group : data.groups) {
        ctx.useFont(FontRole::Subtitle);
        const int headingHeight = c.lineSpacing();
        ctx.useFont(FontRole::Text);
        const int line = c.lineSpacing();
        const int rows = (static_cast<int>(group.names.size()) + kColumns - 1) / kColumns;
        const int height = headingHeight + rows * line + line / 2;
        // A group taller than a page starts where it is.
        if (y + height > bottom() && !atTop) {
            ++page;
            y = drawListHeader(ctx, ctx.pageTop(page), header) + ctx.inchY() / 8;
        }
        atTop = false;
        ctx.useFont(FontRole::Subtitle);
        c.text(left, y, group.overseer);
        c.text(left + inchesX(ctx, 3.0), y, group.location);
        if (!group.meeting.empty())
            c.text(left + inchesX(ctx, 7.5), y, group.meeting, Align::Right);
        y += headingHeight;
        ctx.useFont(FontRole::Text);
        for (std::size_t i = 0; i < group.names.size(); ++i) {
            const int column = static_cast<int>(i) % kColumns;
            const int x = left + inchesX(ctx, 0.2) + column * columnWidth;
            c.text(x, y, fitText(c, group.names[i], columnWidth - inchesX(ctx, 0.1)));
            if (column == kColumns - 1 || i + 1 == group.names.size()) y += line;
        }
        y += line / 2;
    }
    return page;
}

}  // namespace velno::print
