#include "print/RecordCardPage.h"

#include <algorithm>
#include <string_view>

#include "print/HoursCell.h"
#include "print/PageFlow.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/PrintTexts.h"

namespace velno::print {

namespace {

// Layout constants are texts so that a translation can move them: numbers
// of `digits` digits, one every `digits + 1` characters.
std::vector<int> layoutNumbers(int textId, int digits, int count) {
    const std::string& s = text::tr(textId);
    std::vector<int> out;
    for (int i = 0; i < count; ++i) {
        const std::size_t at = static_cast<std::size_t>(i * (digits + 1));
        int value = 0;
        for (int d = 0; d < digits && at + d < s.size(); ++d)
            if (s[at + d] >= '0' && s[at + d] <= '9') value = value * 10 + (s[at + d] - '0');
        out.push_back(value);
    }
    return out;
}

// Card fonts in points, realised for the device directly.
LogicalFont cardFont(const ReportContext& ctx, double points, bool bold) {
    LogicalFont f;
    f.height = -static_cast<int>(points * ctx.canvas.dpiY() / 72.0 + 0.5);
    f.weight = bold ? 700 : 400;
    if (ctx.languageCode == "urk") {
        f.faceName = text::tr(text::TxFaceTimesNewRoman);
        f.pitchAndFamily = 18;  // variable pitch, Roman
    } else {
        f.faceName = text::tr(text::TxCardFace);
        f.pitchAndFamily = 34;  // variable pitch, Swiss
    }
    f.charSet = charSetForLanguage(ctx.languageCode);
    return f;
}

constexpr double kTitlePoints = 15;
constexpr double kLabelPoints = 12.5;
constexpr double kHeadPoints = 10;
constexpr double kCellPoints = 10;

// Inches to device units.
int ux(const ReportContext& ctx, double inches) {
    return static_cast<int>(inches * ctx.canvas.dpiX() + 0.5);
}
int uy(const ReportContext& ctx, double inches) {
    return static_cast<int>(inches * ctx.canvas.dpiY() + 0.5);
}

// Heights of the card's parts, in inches.
constexpr double kHeaderLine = 0.25;
constexpr double kTableTop = 1.45;
constexpr double kHeadHeight = 0.72;
constexpr double kRowHeight = 0.19;

std::string spanTitle(CardSpan span) {
    switch (span) {
        case CardSpan::SixMonths:
            return text::tr(text::TxCardSixMonths);
        case CardSpan::TwelveMonths:
            return text::tr(text::TxCardTwelveMonths);
        case CardSpan::TwentyFourMonths:
            return text::tr(text::TxCardTwentyFourMonths);
        case CardSpan::ServiceYear:
            break;
    }
    return text::tr(text::TxCardTitle);
}

void boxWithLabel(ReportContext& ctx, int x, int y, int textId, bool checked) {
    Canvas& c = ctx.canvas;
    const int size = c.textHeight() * 3 / 4;
    c.checkBox(x, y + (c.textHeight() - size) / 2, size, checked);
    c.text(x + size + ux(ctx, 0.05), y, text::tr(textId));
}

// Breaks a heading into lines that fit `width`, at blanks or hyphens, at
// most four lines (the last takes the rest).
std::vector<std::string> headingLines(Canvas& c, std::string_view head, int width) {
    std::vector<std::string> words;
    std::string word;
    for (const char ch : head) {
        word += ch;
        if (ch == ' ' || ch == '-') {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(word);
    std::vector<std::string> lines;
    std::string line;
    for (const std::string& w : words) {
        std::string candidate = line + w;
        while (!candidate.empty() && candidate.back() == ' ') candidate.pop_back();
        if (!line.empty() && c.textWidth(candidate) > width && lines.size() < 3) {
            lines.push_back(line);
            line = w;
        } else {
            line += w;
        }
    }
    if (!line.empty()) lines.push_back(line);
    for (std::string& l : lines)
        while (!l.empty() && l.back() == ' ') l.pop_back();
    return lines;
}

void centredHeading(ReportContext& ctx, int left, int right, int top, int height,
                    std::string_view head) {
    Canvas& c = ctx.canvas;
    const auto lines = headingLines(c, head, right - left - ux(ctx, 0.04));
    const int line = c.textHeight();
    int y = top + (height - line * static_cast<int>(lines.size())) / 2;
    for (const std::string& l : lines) {
        c.text((left + right) / 2, y, l, Align::Center);
        y += line;
    }
}

}  // namespace

CardFrame cardFrame(const ReportContext& ctx, int pageTop, int position) {
    CardFrame f;
    f.left = ux(ctx, 0.5);
    // Taller paper (A4) leaves less width.
    f.width = ctx.pageLengthTenths > 114 ? ux(ctx, 7.25) : ux(ctx, 7.5);
    f.top = pageTop + uy(ctx, position * 5 + 1);
    return f;
}

int drawCardHeader(ReportContext& ctx, const RecordCard& card, int pageTop, int position) {
    Canvas& c = ctx.canvas;
    const CardFrame f = cardFrame(ctx, pageTop, position);
    const CardHeader& h = card.header;

    c.setFont(cardFont(ctx, kTitlePoints, true));
    c.text(f.left + f.width / 2, f.top, spanTitle(card.span), Align::Center);

    c.setFont(cardFont(ctx, kLabelPoints, true));
    const std::vector<int> at = layoutNumbers(text::TxCardBoxPositions, 2, 7);
    auto px = [&](int k) { return f.left + f.width * at[k] / 100; };
    const int nameY = f.top + uy(ctx, 0.4);
    const int birthY = nameY + uy(ctx, kHeaderLine);
    const int baptismY = birthY + uy(ctx, kHeaderLine);
    const int boxesY = baptismY + uy(ctx, kHeaderLine);

    const std::string nameLabel = text::tr(text::TxCardName) + ":  ";
    // The group sits right-aligned before the sex boxes; the name keeps
    // clear of it.
    int nameRight = px(0) - ux(ctx, 0.1);
    if (!h.group.empty() && !card.summary) {
        c.text(nameRight, nameY, h.group, Align::Right);
        nameRight -= c.textWidth(h.group) + ux(ctx, 0.15);
    }
    const int nameX = f.left + c.textWidth(nameLabel);
    c.text(f.left, nameY, nameLabel);
    c.text(nameX, nameY, fitText(c, h.name, std::max(0, nameRight - nameX)));
    c.text(f.left, birthY, text::tr(text::TxCardBirth) + ":  " + h.birth);
    c.text(f.left, baptismY, text::tr(text::TxCardBaptism) + ":  " + h.baptism);

    if (!card.summary) {
        boxWithLabel(ctx, px(0), nameY, text::TxCardMale, h.boxes[BoxMale]);
        boxWithLabel(ctx, px(1), nameY, text::TxCardFemale, h.boxes[BoxFemale]);
        boxWithLabel(ctx, px(0), birthY, text::TxCardOtherSheep, h.boxes[BoxOtherSheep]);
        boxWithLabel(ctx, px(1), birthY, text::TxCardAnointed, h.boxes[BoxAnointed]);
        boxWithLabel(ctx, px(2), boxesY, text::TxCardElder, h.boxes[BoxElder]);
        boxWithLabel(ctx, px(3), boxesY, text::TxCardServant, h.boxes[BoxServant]);
        boxWithLabel(ctx, px(4), boxesY, text::TxCardRegularPioneer, h.boxes[BoxRegularPioneer]);
        boxWithLabel(ctx, px(5), boxesY, text::TxCardSpecialPioneer, h.boxes[BoxSpecialPioneer]);
        boxWithLabel(ctx, px(6), boxesY, text::TxCardMissionary, h.boxes[BoxMissionary]);
    }
    return f.top + uy(ctx, kTableTop);
}

void drawCardTable(ReportContext& ctx, const RecordCard& card, const CardTable& table,
                   const CardFrame& f, int top) {
    Canvas& c = ctx.canvas;
    const bool printing = c.isPrinter();
    const bool old = table.form == CardForm::Old;
    const std::vector<int> pos = layoutNumbers(text::TxCardColumnPositions, 3, 7);
    // Column edges: the month column, the number columns, the remarks.
    std::vector<int> edges{f.left};
    const int lines = old ? 6 : 5;
    for (int i = 0; i < lines; ++i) edges.push_back(f.left + ux(ctx, pos[i] / 100.0));
    edges.push_back(f.left + f.width);
    const int remarkX = old ? f.left + ux(ctx, pos[6] / 100.0) : edges[5] + ux(ctx, 0.1);

    const int headHeight = uy(ctx, kHeadHeight);
    const int row = uy(ctx, kRowHeight);
    const int summaryRows = old ? 2 : 1;
    const int monthRows = static_cast<int>(table.rows.size());
    const int bottom = top + headHeight + (monthRows + summaryRows) * row;

    c.rect(f.left, top, f.left + f.width, bottom);
    for (std::size_t i = 1; i + 1 < edges.size(); ++i) c.line(edges[i], top, edges[i], bottom);
    for (int i = 0; i <= monthRows; ++i) {
        const int y = top + headHeight + i * row;
        // The rule above the totals is heavier on paper.
        c.line(f.left, y, f.left + f.width, y, i == monthRows && printing ? 3 : 1);
    }
    if (old) {
        const int y = top + headHeight + (monthRows + 1) * row;
        c.line(f.left, y, f.left + f.width, y);
    }

    // Headings.
    c.setFont(cardFont(ctx, kHeadPoints, true));
    const int line = c.textHeight();
    const int headTop = top + (headHeight - 2 * line) / 2;
    c.text((edges[0] + edges[1]) / 2, headTop, text::tr(text::TxCardServiceYear), Align::Center);
    c.text((edges[0] + edges[1]) / 2, headTop + line, std::to_string(table.serviceYear),
           Align::Center);
    std::vector<std::string> heads;
    if (old) {
        heads = {text::tr(text::TxCardPlacements), text::tr(text::TxCardVideos),
                 text::tr(text::TxCardHours), text::tr(text::TxCardReturnVisits),
                 text::tr(text::TxCardStudies)};
    } else if (printing) {
        heads = {text::tr(text::TxCardShared), text::tr(text::TxCardStudies),
                 text::tr(text::TxCardAuxiliary), text::tr(text::TxCardHoursNew)};
    } else {
        heads = {text::tr(text::TxCardShared), text::tr(text::TxCardShortStudies),
                 text::tr(text::TxCardShortAuxiliary), text::tr(text::TxCardHours)};
    }
    for (std::size_t i = 0; i < heads.size(); ++i)
        centredHeading(ctx, edges[i + 1], edges[i + 2], top, headHeight, heads[i]);
    centredHeading(ctx, edges[heads.size() + 1], edges.back(), top, headHeight,
                   text::tr(text::TxCardRemarks));

    // Rows.
    c.setFont(cardFont(ctx, kCellPoints, false));
    const int cellPad = (row - c.textHeight()) / 2;
    const int box = c.textHeight() * 3 / 4;
    auto centre = [&](int column) { return (edges[column] + edges[column + 1]) / 2; };
    // The hours column lines up on the units digit, so that a quarter-hour
    // fraction or a decimal sits to the right of it; two digits stay
    // centred.
    const int hoursColumn = old ? 3 : 4;
    const int hoursUnits = centre(hoursColumn) + c.textWidth("00") / 2;
    // A value of a row: hours at their units digit, the rest centred.
    auto value = [&](int column, int y, const std::string& text) {
        if (column == hoursColumn)
            drawHoursCell(c, hoursUnits, y, text);
        else
            c.text(centre(column), y, text, Align::Center);
    };
    auto boxAt = [&](int column, int y, bool checked) {
        c.checkBox(centre(column) - box / 2, y + (row - box) / 2, box, checked);
    };
    const int remarkWidth = edges.back() - remarkX - ux(ctx, 0.05);
    for (int i = 0; i < monthRows; ++i) {
        const CardRow& r = table.rows[i];
        const int y = top + headHeight + i * row;
        c.text(edges[0] + ux(ctx, 0.08), y + cellPad, text::monthShortName(r.month0));
        if (r.blank) continue;
        if (old) {
            for (int k = 0; k < 5; ++k)
                if (!r.items[k].empty()) value(k + 1, y + cellPad, r.items[k]);
        } else if (card.summary) {
            if (r.sharedCount)
                c.text(centre(1), y + cellPad, std::to_string(r.sharedCount), Align::Center);
            if (r.studies)
                c.text(centre(2), y + cellPad, std::to_string(*r.studies), Align::Center);
            if (r.auxCount)
                c.text(centre(3), y + cellPad, std::to_string(r.auxCount), Align::Center);
            if (r.hours) value(4, y + cellPad, std::to_string(*r.hours));
        } else {
            boxAt(1, y, r.shared);
            if (r.studies)
                c.text(centre(2), y + cellPad, std::to_string(*r.studies), Align::Center);
            boxAt(3, y, r.aux);
            if (r.hours) value(4, y + cellPad, std::to_string(*r.hours));
        }
        if (!r.remark.empty()) c.text(remarkX, y + cellPad, fitText(c, r.remark, remarkWidth));
    }

    c.setFont(cardFont(ctx, kHeadPoints, true));
    const int totalY = top + headHeight + monthRows * row + cellPad;
    c.text(edges[0] + ux(ctx, 0.08), totalY, text::tr(text::TxCardTotal));
    if (old) {
        const int avgY = totalY + row;
        c.text(edges[0] + ux(ctx, 0.08), avgY,
               text::tr(printing ? text::TxCardAverage : text::TxCardAverageShort));
        c.setFont(cardFont(ctx, kCellPoints, false));
        for (int k = 0; k < 5; ++k) {
            if (!table.totals[k].empty()) value(k + 1, totalY, table.totals[k]);
            if (!table.averages[k].empty()) value(k + 1, avgY, table.averages[k]);
        }
    } else {
        c.setFont(cardFont(ctx, kCellPoints, false));
        for (int k = 0; k < 4; ++k)
            if (!table.newTotals[k].empty()) value(k + 1, totalY, table.newTotals[k]);
    }
}

CardRequest cardRequest(const CVelnoDoc& doc, const CardJob& job) {
    CardRequest request;
    request.span = job.span;
    request.previous = job.previous;
    request.options = CardOptions::fromSettings(doc.settings());
    return request;
}

std::vector<RecordCard> buildCards(const CVelnoDoc& doc, const CardJob& job) {
    const CardRequest request = cardRequest(doc, job);
    std::vector<RecordCard> cards;
    if (job.summary) {
        cards.push_back(buildSummaryCard(doc, job.inactive, request));
        return cards;
    }
    for (const int pos : job.positions)
        if (pos >= 1 && pos < doc.store().recordCount())
            cards.push_back(buildRecordCard(doc, pos, request));
    return cards;
}

bool CardCursor::advance(bool onePerPage) {
    if (!started) {
        started = true;
        return false;
    }
    if (onePerPage || position == 1) {
        ++page;
        position = 0;
        return true;
    }
    position = 1;
    return false;
}

void drawCardTableWithHeader(ReportContext& ctx, const RecordCard& card, int table, int pageTop,
                             int position) {
    const int top = drawCardHeader(ctx, card, pageTop, position);
    drawCardTable(ctx, card, card.tables[table], cardFrame(ctx, pageTop, position), top);
}

int drawRecordCards(ReportContext& ctx) {
    if (!ctx.cards) return 1;
    const bool onePerPage = ctx.doc.settings().onePerPage != 0;
    CardCursor cursor;
    for (const RecordCard& card : buildCards(ctx.doc, *ctx.cards)) {
        for (int t = 0; t < static_cast<int>(card.tables.size()); ++t) {
            cursor.advance(onePerPage);
            const int pageTop = ctx.pageTop(cursor.page);
            if (!ctx.canvas.showsLines(pageTop, pageTop + ctx.pageHeight())) continue;
            drawCardTableWithHeader(ctx, card, t, pageTop, cursor.position);
        }
    }
    return cursor.page;
}

}  // namespace velno::print
