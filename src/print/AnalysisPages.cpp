#include "print/AnalysisPages.h"

#include "print/MeetingReportPage.h"
#include "print/ReportTitle.h"
#include "print/ReportViewState.h"
#include "publishers/GroupOverseer.h"
#include "reporting/CongregationAnalysis.h"
#include "reporting/TallyMonth.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/PrintTexts.h"

namespace velno::print {

namespace {

// Columns, in inches from the page's left edge.
constexpr double kMarks = 3.0;
constexpr double kReportedCentre = 4.55;
constexpr double kStudiesRight = 5.45;
constexpr double kAuxiliaryCentre = 5.95;
constexpr double kHoursRight = 6.5;
constexpr double kAveragesSlash = 7.05;
constexpr double kCountRight = 3.0;
constexpr double kShareRight = 3.55;
constexpr double kSymbol = 0.5;
constexpr double kClosingLabel = 0.85;

// The heads over the publisher rows, repeated on every page of rows.
void drawRowHeads(ReportContext& ctx, PageFlow& flow) {
    Canvas& c = ctx.canvas;
    const int y = flow.line(FontRole::Heading);
    c.text(inchesX(ctx, kReportedCentre), y, text::tr(text::TxReportedHead), Align::Center);
    c.text(inchesX(ctx, kStudiesRight), y, text::tr(text::TxStudiesHead), Align::Right);
    c.text(inchesX(ctx, kAuxiliaryCentre), y, text::tr(text::TxCategoryAuxiliary), Align::Center);
    c.text(inchesX(ctx, kHoursRight), y, text::tr(text::TxHoursHead), Align::Right);
    flow.skip(ctx.inchY() / 24);
}

void drawRow(ReportContext& ctx, PageFlow& flow, const AnalysisRow& row) {
    Canvas& c = ctx.canvas;
    const int y = flow.line(FontRole::Text);
    // Rows outside the page being printed would be cut anyway.
    if (!c.showsLines(y, y + c.lineSpacing())) return;
    const int left = contentLeft(ctx);
    const int marks = inchesX(ctx, kMarks);
    c.text(left, y, fitText(c, row.name, marks - left - inchesX(ctx, 0.1)));
    std::string markText;
    for (const std::string& m : row.marks) markText += (markText.empty() ? "" : " ") + m;
    if (!markText.empty())
        c.text(marks, y, fitText(c, markText, inchesX(ctx, kReportedCentre - 0.35) - marks));
    // A publisher who did not report has no figures this month.
    if (!row.reported) {
        c.blankValue(inchesX(ctx, kStudiesRight), y, Align::Right);
        c.blankValue(inchesX(ctx, kHoursRight), y, Align::Right);
        return;
    }
    c.text(inchesX(ctx, kReportedCentre), y, text::tr(text::TxTickMark), Align::Center);
    c.text(inchesX(ctx, kStudiesRight), y, text::formatPrintf("%4d", row.studies), Align::Right);
    if (row.auxiliary)
        c.text(inchesX(ctx, kAuxiliaryCentre), y, text::tr(text::TxTickMark), Align::Center);
    // Hours are the pioneers' only.
    if (row.hours)
        c.text(inchesX(ctx, kHoursRight), y, text::formatPrintf("%4d", *row.hours), Align::Right);
    else
        c.blankValue(inchesX(ctx, kHoursRight), y, Align::Right);
}

void drawSectionHeading(ReportContext& ctx, PageFlow& flow, const std::string& heading) {
    Canvas& c = ctx.canvas;
    const int y = flow.line(FontRole::Heading);
    c.text(contentLeft(ctx), y, fitText(c, heading, inchesX(ctx, 7.0)));
}

void drawSections(ReportContext& ctx, PageFlow& flow, const AnalysisData& data) {
    Canvas& c = ctx.canvas;
    drawRowHeads(ctx, flow);
    // The block whose rows have begun: a page break inside it repeats its
    // heading, marked as continued.
    const AnalysisSection* open = nullptr;
    // Continuation pages name the report again above the heads.
    flow.onNewPage = [&] {
        const int y = flow.line(FontRole::Small);
        c.text(contentLeft(ctx), y, fitText(c, data.title, contentRight(ctx) - contentLeft(ctx)));
        drawRowHeads(ctx, flow);
        if (open) drawSectionHeading(ctx, flow, open->heading + " " + text::tr(text::TxContinued));
    };
    const int rowHeight = flow.spacing(FontRole::Text);
    for (const AnalysisSection& section : data.sections) {
        open = nullptr;
        if (!section.heading.empty()) {
            // A heading never stays alone at the foot of a page.
            const int headingHeight = flow.spacing(FontRole::Heading);
            flow.keep(rowHeight / 2 + headingHeight + rowHeight);
            if (flow.y() > flow.bodyTop(flow.page())) flow.skip(rowHeight / 2);
            drawSectionHeading(ctx, flow, section.heading);
        }
        for (const AnalysisRow& row : section.rows) {
            drawRow(ctx, flow, row);
            if (!section.heading.empty()) open = &section;
        }
    }
    flow.onNewPage = nullptr;
}

// The category table with its heads; the summary shows only the heads of
// the Bible-studies and hours columns.
int categoryTableHeight(ReportContext& ctx, PageFlow& flow, const AnalysisData& data) {
    int h = flow.spacing(FontRole::Heading) + ctx.inchY() / 24;
    h += static_cast<int>(data.categoryTable.size()) * flow.spacing(FontRole::Text);
    if (data.specialServantsReported) h += flow.spacing(FontRole::Text);
    if (data.missionariesReported) h += flow.spacing(FontRole::Text);
    return h;
}

void drawCategoryTable(ReportContext& ctx, PageFlow& flow, const AnalysisData& data) {
    Canvas& c = ctx.canvas;
    const int left = contentLeft(ctx);
    flow.keep(categoryTableHeight(ctx, flow, data));
    int y = flow.line(FontRole::Heading);
    c.text(inchesX(ctx, kStudiesRight), y, text::tr(text::TxStudiesHead), Align::Right);
    c.text(inchesX(ctx, kHoursRight), y, text::tr(text::TxHoursHead), Align::Right);
    c.text(inchesX(ctx, kAveragesSlash), y,
           text::tr(text::TxThreeMonthsShort) + "/" + text::tr(text::TxSixMonthsShort),
           Align::Center);
    flow.skip(ctx.inchY() / 24);
    for (const CategoryTableRow& row : data.categoryTable) {
        y = flow.line(FontRole::Text);
        c.text(left, y, row.label);
        c.text(inchesX(ctx, kCountRight), y, text::formatPrintf("%4d", row.reporting),
               Align::Right);
        c.text(inchesX(ctx, kStudiesRight), y, text::formatPrintf("%6.1f", row.averageStudies),
               Align::Right);
        // The publishers' row has no hours.
        if (row.averageHours)
            c.text(inchesX(ctx, kHoursRight), y, text::formatPrintf("%6.1f", *row.averageHours),
                   Align::Right);
        else
            c.blankValue(inchesX(ctx, kHoursRight), y, Align::Right);
        if (!row.average3 || !row.average6)
            c.blankValue(inchesX(ctx, kAveragesSlash), y, Align::Center);
        if (row.average3 && row.average6) {
            // Aligned on the slash.
            const std::string pair =
                text::formatPrintf("%7.1f/%4.1f", *row.average3, *row.average6);
            const std::size_t slash = pair.find('/');
            c.text(inchesX(ctx, kAveragesSlash), y, pair.substr(0, slash), Align::Right);
            c.text(inchesX(ctx, kAveragesSlash), y, pair.substr(slash));
        }
    }
    const auto apart = [&](const std::string& label, int count) {
        y = flow.line(FontRole::Text);
        c.text(left, y, label);
        c.text(inchesX(ctx, kCountRight), y, text::formatPrintf("%4d", count), Align::Right);
    };
    if (data.specialServantsReported)
        apart(text::tr(text::TxSpecialServantsLine) + text::tr(text::TxSpecialServantsMark),
              data.specialServantsReported);
    if (data.missionariesReported)
        apart(text::tr(text::TxMissionariesLine), data.missionariesReported);
}

void drawClosingLines(ReportContext& ctx, PageFlow& flow, const AnalysisData& data) {
    Canvas& c = ctx.canvas;
    flow.keep(static_cast<int>(data.closing.size()) * flow.spacing(FontRole::Text));
    for (const ClosingLine& line : data.closing) {
        const int y = flow.line(FontRole::Text);
        if (!line.symbol.empty()) c.text(inchesX(ctx, kSymbol), y, line.symbol);
        c.text(inchesX(ctx, line.symbol.empty() ? kSymbol : kClosingLabel), y, line.label);
        c.text(inchesX(ctx, kCountRight), y, text::formatPrintf("%4d", line.count), Align::Right);
        if (line.share)
            c.text(inchesX(ctx, kShareRight), y, text::formatPrintf("%2.0f%c", *line.share, '%'),
                   Align::Right);
    }
}

int drawAnalysis(ReportContext& ctx, int group, AnalysisOrder order, bool summary) {
    // Without active publishers there is nothing to report.
    if (ctx.doc.store().subList(ListActive).empty()) return 1;
    if (group > 0 && !groupHasMembers(ctx.doc, group)) return 1;
    const AnalysisData data = congregationAnalysis(ctx.doc, group, order, summary);

    PageFlow flow(ctx);
    std::vector<std::string> under;
    if (group > 0) {
        const std::string overseer = overseerTitle(ctx.doc, group);
        if (!overseer.empty()) under.push_back(overseer);
    }
    drawReportTitle(ctx, flow, data.title, under);
    const int gap = flow.spacing(FontRole::Text);
    if (!summary) {
        drawSections(ctx, flow, data);
        flow.skip(gap);
    }
    drawCategoryTable(ctx, flow, data);
    flow.skip(gap / 2);
    drawClosingLines(ctx, flow, data);
    flow.skip(gap);
    drawBranchReportBox(ctx, flow);
    flow.skip(gap);
    drawAttendanceSection(ctx, flow, FontRole::Heading);
    return drawPageNumbers(ctx, flow);
}

}  // namespace

void drawBranchReportBox(ReportContext& ctx, PageFlow& flow) {
    Canvas& c = ctx.canvas;
    const BranchReport box = BranchReportBox(ctx.doc);
    const int pad = ctx.inchY() / 12;
    const int text = flow.spacing(FontRole::Text);
    const int head = flow.spacing(FontRole::Heading);
    flow.keep(2 * pad + pad / 2 + 3 * head + 3 * text);

    const int left = contentLeft(ctx);
    const int right = inchesX(ctx, 5.2);
    const int label = left + inchesX(ctx, 0.2);
    const int countRight = inchesX(ctx, 2.9);
    const int hoursRight = inchesX(ctx, 3.9);
    const int studiesRight = inchesX(ctx, 4.9);
    const int top = flow.y();
    flow.skip(pad);
    int y = flow.line(FontRole::Heading);
    c.text(label, y, fitText(c, box.title, right - label - pad));
    y = flow.line(FontRole::Heading);
    c.text(countRight, y, box.heads[0], Align::Right);
    c.text(hoursRight, y, box.heads[1], Align::Right);
    c.text(studiesRight, y, box.heads[2], Align::Right);
    for (std::size_t i = 0; i < box.rows.size(); ++i) {
        const BranchReportRow& row = box.rows[i];
        const bool total = i + 1 == box.rows.size();
        if (total) {
            const int ruleY = flow.y() + pad / 4;
            c.line(label, ruleY, studiesRight, ruleY);
            flow.skip(pad / 2);
        }
        y = flow.line(total ? FontRole::Heading : FontRole::Text);
        c.text(label, y, row.label);
        c.text(countRight, y, text::formatPrintf("%4d", row.count), Align::Right);
        // The publishers' row has no hours.
        if (row.hours)
            c.text(hoursRight, y, text::formatPrintf("%6d", *row.hours), Align::Right);
        else
            c.blankValue(hoursRight, y, Align::Right);
        c.text(studiesRight, y, text::formatPrintf("%4d", row.studies), Align::Right);
    }
    flow.skip(pad);
    c.rect(left, top, right, flow.y(), 1);
}

int drawAnalysisPioneersGroups(ReportContext& ctx) {
    return drawAnalysis(ctx, 0, AnalysisOrder::PioneersGroups, false);
}

int drawAnalysisAtoZ(ReportContext& ctx) {
    return drawAnalysis(ctx, 0, AnalysisOrder::AtoZ, false);
}

int drawGroupAnalysis(ReportContext& ctx) {
    // A group without members draws nothing (the view does not show it).
    if (ctx.group < 1) return 1;
    return drawAnalysis(ctx, ctx.group, AnalysisOrder::AtoZ, false);
}

int drawSummary(ReportContext& ctx) {
    return drawAnalysis(ctx, 0, AnalysisOrder::AtoZ, true);
}

}  // namespace velno::print
