#include "print/AttendanceRecordPage.h"

#include <array>
#include <vector>

#include "print/PageFlow.h"
#include "print/ReportTitle.h"
#include "reporting/Attendance.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"

namespace velno::print {

namespace {

// The columns share the width as "25 25 25 25": four equal parts.
constexpr int kColumns = 4;

class RecordTable {
public:
    RecordTable(ReportContext& ctx, PageFlow& flow) : ctx_(ctx), c_(ctx.canvas), flow_(flow) {
        left_ = contentLeft(ctx);
        width_ = (contentRight(ctx) - left_) / kColumns;
        pad_ = ctx.inchX() / 12;
    }

    int height() {
        return flow_.spacing(FontRole::Heading) * 3 + 12 * flow_.spacing(FontRole::Text) +
               ctx_.inchY() / 3;
    }

    void draw(const AttendanceServiceYear& year) {
        flow_.keep(height());
        const int top = flow_.y();
        flow_.skip(ctx_.inchY() / 48);
        // Heads of two lines, centred in their columns.
        std::array<std::vector<std::string>, kColumns> heads;
        heads[0] = {text::tr(text::TxRecordServiceYear), std::to_string(year.serviceYear)};
        ctx_.useFont(FontRole::Heading);
        for (int k = 1; k < kColumns; ++k) heads[k] = wrap(head(k));
        for (int line = 0; line < 2; ++line) {
            const int y = flow_.line(FontRole::Heading);
            for (int k = 0; k < kColumns; ++k)
                if (line < static_cast<int>(heads[k].size()))
                    c_.text(centre(k), y, heads[k][line], Align::Center);
        }
        rule();
        for (const AttendanceRecordMonth& m : year.months) {
            const int y = flow_.line(FontRole::Text);
            c_.text(left_ + pad_, y, text::monthName(m.month0));
            // A month not collected yet, or no longer held, stays blank.
            if (!m.shown) {
                for (int k = 1; k < kColumns; ++k) c_.blankValue(right(k), y, Align::Right);
                continue;
            }
            c_.text(right(1), y, std::to_string(m.meetings), Align::Right);
            c_.text(right(2), y, std::to_string(m.total), Align::Right);
            c_.text(right(3), y, m.averageText, Align::Right);
        }
        rule();
        const int y = flow_.line(FontRole::Heading);
        c_.text(left_ + pad_, y, fitText(c_, text::tr(text::TxRecordMonthlyAverage), 3 * width_));
        c_.text(right(3), y, year.meanText, Align::Right);
        const int bottom = flow_.y() + ctx_.inchY() / 24;
        c_.rect(left_, top, left_ + kColumns * width_, bottom, 1);
        for (int k = 1; k < kColumns; ++k)
            c_.line(left_ + k * width_, top, left_ + k * width_, lastRule_);
        flow_.skip(bottom - flow_.y() + ctx_.inchY() / 4);
    }

private:
    int right(int column) const { return left_ + (column + 1) * width_ - pad_; }
    int centre(int column) const { return left_ + column * width_ + width_ / 2; }
    static std::string head(int column) {
        static constexpr int heads[] = {0, text::TxRecordMeetings, text::TxRecordTotal,
                                        text::TxRecordWeeklyAverage};
        return text::tr(heads[column]);
    }
    // Words of a head in at most two lines that fit the column.
    std::vector<std::string> wrap(const std::string& s) {
        const int room = width_ - 2 * pad_;
        if (c_.textWidth(s) <= room) return {s};
        std::size_t cut = s.rfind(' ');
        while (cut != std::string::npos && cut > 0 && c_.textWidth(s.substr(0, cut)) > room)
            cut = s.rfind(' ', cut - 1);
        if (cut == std::string::npos || cut == 0) return {fitText(c_, s, room)};
        return {s.substr(0, cut), fitText(c_, s.substr(cut + 1), room)};
    }
    void rule() {
        const int y = flow_.y() + ctx_.inchY() / 48;
        c_.line(left_, y, left_ + kColumns * width_, y);
        flow_.skip(ctx_.inchY() / 24);
        lastRule_ = y;
    }

    ReportContext& ctx_;
    Canvas& c_;
    PageFlow& flow_;
    int left_ = 0, width_ = 0, pad_ = 0;
    int lastRule_ = 0;
};

void drawBlock(ReportContext& ctx, PageFlow& flow, int block) {
    drawReportTitle(ctx, flow, text::tr(text::TxAttendanceRecordTitle),
                    {meetingName(ctx.doc.meetings().blocks[block])});
    RecordTable table(ctx, flow);
    for (const AttendanceServiceYear& year : attendanceRecord(ctx.doc, block)) table.draw(year);
}

int drawMidweek(ReportContext& ctx) {
    return drawAttendanceRecord(ctx, 0);
}
int drawWeekend(ReportContext& ctx) {
    return drawAttendanceRecord(ctx, 1);
}

}  // namespace

int drawAttendanceRecord(ReportContext& ctx, int block) {
    PageFlow flow(ctx);
    if (block == 0 || block == 1) {
        drawBlock(ctx, flow, block);
        return flow.page();
    }
    for (int b = 0; b < kMeetingBlocks; ++b) {
        if (b > 0) flow.newPage();
        drawBlock(ctx, flow, b);
    }
    return flow.page();
}

int drawAttendanceRecord(ReportContext& ctx) {
    return drawAttendanceRecord(ctx, -1);
}

DrawReport attendanceRecordDrawer(int block) {
    if (block == 0) return drawMidweek;
    if (block == 1) return drawWeekend;
    return static_cast<int (*)(ReportContext&)>(drawAttendanceRecord);
}

}  // namespace velno::print
