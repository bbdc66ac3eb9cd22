#include "print/MeetingReportPage.h"

#include "print/ReportTitle.h"
#include "reporting/Attendance.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"

namespace velno::print {

namespace {

// Columns of the attendance section, in inches from the page's left edge.
constexpr double kMeetingsRight = 3.4;
constexpr double kTotalRight = 4.2;
constexpr double kAverageRight = 4.9;
constexpr double kShare = 5.2;
// The six-month table: the month columns and the "6 Bln" column.
constexpr double kFirstMonthRight = 3.1;
constexpr double kMonthStep = 0.6;
constexpr double kSixMonthsRight = 7.0;

// Room for the names the program gives the meetings ("Perhimpunan Tengah
// Pekan") in the report fonts, up to the heading of the first figure column.
int nameWidth(ReportContext& ctx) {
    return inchesX(ctx, 2.75) - contentLeft(ctx);
}

void drawSectionTable(ReportContext& ctx, PageFlow& flow, const AttendanceSection& section) {
    Canvas& c = ctx.canvas;
    const int left = contentLeft(ctx);
    int y = flow.line(FontRole::Heading);
    c.text(left, y, section.columns[0]);
    c.text(inchesX(ctx, kMeetingsRight), y, section.columns[1], Align::Right);
    c.text(inchesX(ctx, kTotalRight), y, section.columns[2], Align::Right);
    c.text(inchesX(ctx, kAverageRight), y, section.columns[3], Align::Right);
    c.text(inchesX(ctx, kShare), y, section.columns[4]);
    flow.skip(ctx.inchY() / 24);
    for (const AttendanceSectionRow& row : section.rows) {
        y = flow.line(FontRole::Text);
        c.text(left, y, fitText(c, row.name, nameWidth(ctx)));
        c.text(inchesX(ctx, kMeetingsRight), y, text::formatPrintf("%d", row.meetings),
               Align::Right);
        c.text(inchesX(ctx, kTotalRight), y, text::formatPrintf("%d", row.total), Align::Right);
        c.text(inchesX(ctx, kAverageRight), y, text::formatPrintf("%d", row.average), Align::Right);
        c.text(inchesX(ctx, kShare), y, row.shareText);
    }
}

int sectionTableHeight(PageFlow& flow, ReportContext& ctx, const AttendanceSection& section) {
    return flow.spacing(FontRole::Heading) + ctx.inchY() / 24 +
           static_cast<int>(section.rows.size()) * flow.spacing(FontRole::Text);
}

void drawSixMonthTable(ReportContext& ctx, PageFlow& flow, const SixMonthAttendance& table) {
    Canvas& c = ctx.canvas;
    const int left = contentLeft(ctx);
    flow.keep(2 * flow.spacing(FontRole::Heading) + ctx.inchY() / 24 + ctx.inchY() / 16 +
              static_cast<int>(table.rows.size()) * flow.spacing(FontRole::Text));
    int y = flow.line(FontRole::Heading);
    c.text(left, y, table.heading);
    flow.skip(ctx.inchY() / 16);
    y = flow.line(FontRole::Heading);
    for (int k = 0; k < 6; ++k)
        c.text(inchesX(ctx, kFirstMonthRight + k * kMonthStep), y, table.monthHeads[k],
               Align::Right);
    c.text(inchesX(ctx, kSixMonthsRight), y, table.lastHead, Align::Right);
    flow.skip(ctx.inchY() / 24);
    for (const SixMonthAttendanceRow& row : table.rows) {
        y = flow.line(FontRole::Text);
        c.text(left, y, fitText(c, row.name, nameWidth(ctx)));
        for (int k = 0; k < 6; ++k)
            c.text(inchesX(ctx, kFirstMonthRight + k * kMonthStep), y,
                   text::formatPrintf("%d", row.averages[k]), Align::Right);
        if (!row.sixMonthsText.empty())
            c.text(inchesX(ctx, kSixMonthsRight), y, row.sixMonthsText, Align::Right);
        else
            c.blankValue(inchesX(ctx, kSixMonthsRight), y, Align::Right);
    }
}

}  // namespace

void drawAttendanceSection(ReportContext& ctx, PageFlow& flow, FontRole headingFont) {
    const AttendanceSection section = attendanceSection(ctx.doc);
    flow.keep(flow.spacing(headingFont) + ctx.inchY() / 16 +
              sectionTableHeight(flow, ctx, section));
    const int y = flow.line(headingFont);
    ctx.canvas.text(contentLeft(ctx), y,
                    fitText(ctx.canvas, section.heading, contentRight(ctx) - contentLeft(ctx)));
    flow.skip(ctx.inchY() / 16);
    drawSectionTable(ctx, flow, section);
}

int drawMeetingReport(ReportContext& ctx) {
    const AttendanceSection section = attendanceSection(ctx.doc);
    PageFlow flow(ctx);
    // The section's heading is the page's title here.
    drawReportTitle(ctx, flow, section.heading);
    drawSectionTable(ctx, flow, section);
    flow.skip(flow.spacing(FontRole::Text));
    drawSixMonthTable(ctx, flow, sixMonthAttendance(ctx.doc));
    return flow.page();
}

}  // namespace velno::print
