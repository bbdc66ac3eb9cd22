#include "print/CardLabels.h"

#include <algorithm>

#include "print/PageFlow.h"
#include "reporting/RecordCard.h"
#include "store/CVelnoDoc.h"
#include "store/files/ProfileFile.h"
#include "text/Cp1252.h"

namespace velno::print {

namespace {

constexpr const char* kSection = "Label";

// A4 in inches: the labels divide the sheet inside its margins.
constexpr double kSheetWidth = 8.27;
constexpr double kSheetHeight = 11.69;

LabelJob& job() {
    static LabelJob j;
    return j;
}

}  // namespace

LabelSheet readLabelSheet(const ProfileFile& p) {
    LabelSheet s;
    s.columns = std::clamp(p.getInt(kSection, "Kolom", s.columns), 1, kMaxLabelColumns);
    s.rows = std::clamp(p.getInt(kSection, "Baris", s.rows), 1, kMaxLabelRows);
    s.leftMargin = std::clamp(p.getInt(kSection, "Margin Kiri", s.leftMargin), 0, kMaxLabelMargin);
    s.topMargin = std::clamp(p.getInt(kSection, "Margin Atas", s.topMargin), 0, kMaxLabelMargin);
    return s;
}

void writeLabelSheet(ProfileFile& p, const LabelSheet& s) {
    // Only what differs is written, so an unchanged profile stays unmodified.
    const auto set = [&p](const char* key, int value, int fallback) {
        if (p.getInt(kSection, key, fallback) != value) p.setInt(kSection, key, value);
    };
    const LabelSheet defaults;
    set("Kolom", s.columns, defaults.columns);
    set("Baris", s.rows, defaults.rows);
    set("Margin Kiri", s.leftMargin, defaults.leftMargin);
    set("Margin Atas", s.topMargin, defaults.topMargin);
}

std::vector<LabelText> labelTexts(const CVelnoDoc& doc, const std::vector<int>& positions) {
    std::vector<LabelText> out;
    out.reserve(positions.size());
    const bool birth = doc.settings().labelBirthDate != 0;
    for (const int pos : positions) {
        if (pos <= 0 || pos >= doc.store().recordCount()) continue;
        const PublisherRecord& r = doc.store().at(pos);
        LabelText t;
        t.name = text::cp1252ToUtf8(doc.displayName(pos));
        if (r.group >= 1 && r.group <= doc.groups().count())
            t.group = text::cp1252ToUtf8(doc.groups().displayName(r.group));
        if (birth) t.birth = cardDate(r.birdate, false);
        out.push_back(std::move(t));
    }
    return out;
}

void setLabelsToPrint(LabelJob j) {
    job() = std::move(j);
}

const LabelJob& labelsToPrint() {
    return job();
}

int drawCardLabels(ReportContext& ctx) {
    const CVelnoDoc& doc = ctx.doc;
    const LabelSheet sheet = readLabelSheet(doc.profile());
    std::vector<int> positions = job().positions;
    if (positions.empty())
        for (const int pos : doc.store().subList(ListActive)) positions.push_back(pos);
    const auto labels = labelTexts(doc, positions);
    const int perPage = sheet.labels();
    const int skip = std::clamp(job().firstLabel, 1, perPage) - 1;

    Canvas& c = ctx.canvas;
    const double left = sheet.leftMargin / 100.0;
    const double top = sheet.topMargin / 100.0;
    const double width = (kSheetWidth - 2 * left) / sheet.columns;
    // A page shorter than the sheet (Letter) squeezes the rows onto it.
    const double sheetHeight = std::min(kSheetHeight, ctx.pageLengthTenths / 10.0);
    const double height = (sheetHeight - 2 * top) / sheet.rows;
    const double inset = 0.15;
    const int textWidth = inchesX(ctx, width - 2 * inset);
    // The alternative layout centres the lines on the label.
    const bool centred = doc.settings().labelAlternative != 0;
    ctx.useFont(FontRole::Text);
    const int spacing = c.lineSpacing();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const int slot = static_cast<int>(i) + skip;
        const int page = slot / perPage + 1;
        const int row = slot % perPage / sheet.columns;
        const int column = slot % sheet.columns;
        const LabelText& t = labels[i];
        const int lines = 1 + (t.group.empty() ? 0 : 1) + (t.birth.empty() ? 0 : 1);
        const int x = inchesX(ctx, left + column * width + inset);
        const int labelTop =
            ctx.pageTop(page) + static_cast<int>((top + row * height) * ctx.inchY());
        // The lines sit in the middle of the label's height.
        int y = labelTop + (static_cast<int>(height * ctx.inchY()) - lines * spacing) / 2;
        const int anchor = centred ? x + textWidth / 2 : x;
        const Align align = centred ? Align::Center : Align::Left;
        ctx.useFont(FontRole::Heading);
        c.text(anchor, y, fitText(c, t.name, textWidth), align);
        ctx.useFont(FontRole::Text);
        for (const std::string* line : {&t.group, &t.birth}) {
            if (line->empty()) continue;
            y += spacing;
            c.text(anchor, y, fitText(c, *line, textWidth), align);
        }
    }
    const int used = skip + static_cast<int>(labels.size());
    return std::max(1, (used + perPage - 1) / perPage);
}

void FirstLabelModel::setColumns(int columns) {
    sheet_.columns = std::clamp(columns, 1, kMaxLabelColumns);
    setFirstLabel(first_);
}

void FirstLabelModel::setRows(int rows) {
    sheet_.rows = std::clamp(rows, 1, kMaxLabelRows);
    setFirstLabel(first_);
}

void FirstLabelModel::setLeftMargin(int hundredths) {
    sheet_.leftMargin = std::clamp(hundredths, 0, kMaxLabelMargin);
}

void FirstLabelModel::setTopMargin(int hundredths) {
    sheet_.topMargin = std::clamp(hundredths, 0, kMaxLabelMargin);
}

void FirstLabelModel::setFirstLabel(int label) {
    first_ = std::clamp(label, 1, sheet_.labels());
}

}  // namespace velno::print
