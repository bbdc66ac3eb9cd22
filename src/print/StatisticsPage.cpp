#include "print/StatisticsPage.h"

#include "print/PageFlow.h"
#include "print/ReportTitle.h"
#include "reporting/Statistics.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/PrintTexts.h"

namespace velno::print {

namespace {

// Columns, in inches from the page's left edge.
constexpr double kCountRight = 3.2;
constexpr double kShareRight = 3.8;
constexpr double kFirstColumnRight = 3.2;
constexpr double kColumnStep = 0.8;
// The age half of the bracket table.
constexpr double kAgeLabel = 4.3;
constexpr double kAgeCountRight = 6.2;
constexpr double kAgeShareRight = 6.8;

std::string percent(double share) {
    return text::formatPrintf("%3.0f%c", share, '%');
}

class StatisticsDrawing {
public:
    StatisticsDrawing(ReportContext& ctx, const StatisticsPage& page)
        : ctx_(ctx), c_(ctx.canvas), flow_(ctx), page_(page) {}

    int draw() {
        drawReportTitle(ctx_, flow_, page_.title);
        counts();
        gap();
        movement();
        gap();
        hours();
        gap();
        attendance();
        if (page_.bracketsEnabled) {
            gap();
            brackets();
        }
        return flow_.page();
    }

private:
    int at(double inches) const { return inchesX(ctx_, inches); }
    int column(int k) const { return at(kFirstColumnRight + k * kColumnStep); }
    void gap() { flow_.skip(flow_.spacing(FontRole::Text) * 3 / 4); }
    int rows(int n, int heads = 1) {
        return heads * flow_.spacing(FontRole::Heading) + n * flow_.spacing(FontRole::Text);
    }

    void countLine(const std::string& label, int count, const StatisticsCount* share = nullptr) {
        const int y = flow_.line(FontRole::Text);
        c_.text(contentLeft(ctx_), y, label);
        c_.text(at(kCountRight), y, text::formatPrintf("%4d", count), Align::Right);
        if (share) c_.text(at(kShareRight), y, percent(share->share), Align::Right);
    }

    void counts() {
        countLine(text::tr(text::TxStatActive), page_.active);
        countLine(text::tr(text::TxStatRegular), page_.regular.count, &page_.regular);
        countLine(text::tr(text::TxStatBaptized), page_.baptized.count, &page_.baptized);
        countLine(text::tr(text::TxPioneersRegular), page_.regularPioneers);
        countLine(text::tr(text::TxElders), page_.elders);
        countLine(text::tr(text::TxServants), page_.servants);
        if (page_.specialPioneers > 0)
            countLine(text::tr(text::TxSpecialPioneers), page_.specialPioneers);
    }

    // A head line: an optional label at the left and the column heads.
    void heads(const std::string& label, const std::vector<std::string>& columns) {
        const int y = flow_.line(FontRole::Heading);
        if (!label.empty()) c_.text(contentLeft(ctx_), y, label);
        for (std::size_t k = 0; k < columns.size(); ++k)
            c_.text(column(static_cast<int>(k)), y, columns[k], Align::Right);
    }

    void values(const std::string& label, const std::vector<std::string>& cells) {
        const int y = flow_.line(FontRole::Text);
        c_.text(contentLeft(ctx_), y, fitText(c_, label, at(kFirstColumnRight - 0.6)));
        for (std::size_t k = 0; k < cells.size(); ++k)
            c_.text(column(static_cast<int>(k)), y, cells[k], Align::Right);
    }

    std::vector<std::string> movementHeads() const {
        return {page_.movementHeads.begin(), page_.movementHeads.end()};
    }

    void movement() {
        flow_.keep(rows(static_cast<int>(page_.movement.size())));
        heads("", movementHeads());
        for (const StatisticsMovement& m : page_.movement)
            values(m.label, {std::to_string(m.month), std::to_string(m.sixMonths),
                             std::to_string(m.serviceYear)});
    }

    void hours() {
        flow_.keep(rows(static_cast<int>(page_.hours.size())));
        heads(text::tr(text::TxStatAverageHours), movementHeads());
        for (const StatisticsHours& h : page_.hours)
            values(h.label,
                   {text::formatPrintf("%3.1f", h.month), text::formatPrintf("%3.1f", h.sixMonths),
                    text::formatPrintf("%3.1f", h.serviceYear)});
    }

    void attendance() {
        flow_.keep(rows(static_cast<int>(page_.attendance.size())));
        heads(text::tr(text::TxStatAttendance),
              {page_.movementHeads[0], text::tr(text::TxThreeMonthsShort),
               text::tr(text::TxSixMonthsShort), page_.movementHeads[2]});
        for (const StatisticsAttendance& a : page_.attendance)
            values(a.name, {std::to_string(a.month), std::to_string(a.threeMonths),
                            std::to_string(a.sixMonths), std::to_string(a.serviceYear)});
    }

    void brackets() {
        flow_.keep(rows(static_cast<int>(page_.baptism.size())));
        int y = flow_.line(FontRole::Heading);
        c_.text(contentLeft(ctx_), y, text::tr(text::TxListBaptized));
        c_.text(at(kAgeLabel), y, text::tr(text::TxStatAge));
        for (std::size_t i = 0; i < page_.baptism.size(); ++i) {
            const StatisticsBracket& b = page_.baptism[i];
            const StatisticsBracket& a = page_.age[i];
            y = flow_.line(FontRole::Text);
            c_.text(contentLeft(ctx_), y, b.label);
            c_.text(at(kCountRight), y, text::formatPrintf("%4d", b.value.count), Align::Right);
            c_.text(at(kShareRight), y, percent(b.value.share), Align::Right);
            c_.text(at(kAgeLabel), y, a.label);
            c_.text(at(kAgeCountRight), y, text::formatPrintf("%4d", a.value.count), Align::Right);
            c_.text(at(kAgeShareRight), y, percent(a.value.share), Align::Right);
        }
    }

    ReportContext& ctx_;
    Canvas& c_;
    PageFlow flow_;
    const StatisticsPage& page_;
};

}  // namespace

int drawStatistics(ReportContext& ctx) {
    const StatisticsPage page = statisticsPage(ctx.doc);
    return StatisticsDrawing(ctx, page).draw();
}

}  // namespace velno::print
