#include "print/EmergencyPages.h"

#include "print/PageFlow.h"
#include "publishers/GroupTexts.h"
#include "publishers/HouseholdModel.h"
#include "publishers/SharedEntries.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "store/Households.h"
#include "text/Cp1252.h"
#include "text/StringTable.h"
#include "text/texts/CommonTexts.h"
#include "text/texts/PrintTexts.h"
#include "text/texts/PublishersTexts.h"

namespace velno::print {

namespace {

std::string utf8(std::string_view cp1252) {
    return text::cp1252ToUtf8(trimmed(cp1252));
}

template <std::size_t N>
std::string utf8(const char (&f)[N]) {
    return utf8(fieldText(f));
}

std::string email(const CVelnoDoc& doc, const PublisherRecord& r) {
    // The extension buffer is the document's; a page only reads it.
    auto& d = const_cast<CVelnoDoc&>(doc);
    const int pos = doc.store().storePosById(r.id);
    if (pos <= 0 || !(d.extensionOf(pos) & ExtensionBit::Email)) return {};
    return utf8(d.extensions().current().email);
}

std::string phone(const std::string& number, int label) {
    return number.empty() ? std::string() : number + " (" + text::tr(label) + ")";
}

std::string joinNonEmpty(std::initializer_list<std::string> parts, const char* sep = "   ") {
    std::string out;
    for (const std::string& p : parts)
        if (!p.empty()) out += (out.empty() ? "" : sep) + p;
    return out;
}

std::string titleWithCongregation(const CVelnoDoc& doc, int titleId) {
    std::string title = text::tr(titleId);
    const std::string congregation(trimmed(doc.settings().congregationName));
    if (!congregation.empty()) title += " - " + text::cp1252ToUtf8(congregation);
    return title;
}

std::string nameOf(const CVelnoDoc& doc, int pos) {
    return text::cp1252ToUtf8(doc.displayName(pos));
}

std::string markedName(const CVelnoDoc& doc, int pos) {
    const PublisherRecord& r = doc.store().at(pos);
    std::string name = nameOf(doc, pos);
    if (r.listKind == ListInactive) name += " ( " + text::tr(text::TxInactiveMark) + " )";
    if (r.listKind == ListBibleStudent) name += " ( " + text::tr(text::TxStudentMark) + " )";
    return name;
}

// Words (here: names with their separator) set onto lines of at most `width`.
std::vector<std::string> wrapped(Canvas& c, const std::string& lead,
                                 const std::vector<std::string>& items, const std::string& sep,
                                 int width) {
    std::vector<std::string> lines;
    std::string line = lead;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string piece = items[i] + (i + 1 < items.size() ? sep : "");
        if (!line.empty() && line != lead && c.textWidth(line + piece) > width) {
            lines.push_back(line);
            line.clear();
        }
        line += piece;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

struct BlockLine {
    int indent = 0;  // in tenths of an inch
    std::string text;
};

std::vector<BlockLine> blockLines(ReportContext& ctx, const EmergencyBlock& b, int width) {
    const CVelnoDoc& doc = ctx.doc;
    const PublisherRecord& r = doc.store().at(b.pos);
    std::vector<BlockLine> out;
    const std::string home = utf8(r.phone), office = utf8(r.phone3), mobile = utf8(r.phone2);
    out.push_back(
        {0, joinNonEmpty({markedName(doc, b.pos), phone(home, text::TxHeadHome),
                          phone(office, text::TxHeadOffice), phone(mobile, text::TxHeadMobile)})});
    const std::string second = joinNonEmpty({utf8(r.addr), email(doc, r)});
    if (!second.empty()) out.push_back({2, second});

    if (!b.members.empty()) {
        std::vector<std::string> names;
        for (int m : b.members) names.push_back(nameOf(doc, m));
        const bool familyFirst = doc.viewOptions().familyNameFirst();
        const std::string sep = familyFirst && ctx.languageCode != "hun" ? "; " : ", ";
        const std::string lead =
            text::tr(text::TxEmergencyMembers) + " ( " + std::to_string(b.members.size()) + " )  ";
        ctx.useFont(FontRole::Text);
        for (std::string& l : wrapped(ctx.canvas, lead, names, sep, width - inchesX(ctx, 0.2)))
            out.push_back({2, std::move(l)});
    }

    if (const auto c = contactByKey(doc, r.emergId); c && !trimmed(fieldText(c->contact)).empty()) {
        std::string sy;
        if (doc.settings().emergencySY)
            sy = text::tr(c->sy ? text::TxEmergencySyYes : text::TxEmergencySyNo);
        out.push_back(
            {2, joinNonEmpty({text::tr(text::TxEmergencyContact) + ": " + utf8(c->contact), sy})});
        const std::string phones = joinNonEmpty({phone(utf8(c->homePhone), text::TxHeadHome),
                                                 phone(utf8(c->officePhone), text::TxHeadOffice),
                                                 phone(utf8(c->mobilePhone), text::TxHeadMobile)});
        if (!phones.empty()) out.push_back({4, phones});
    }
    // Members with the head's contact (or none) and numbers of their own.
    for (int m : b.members) {
        const PublisherRecord& mr = doc.store().at(m);
        if (mr.emergId != 0 && mr.emergId != r.emergId) continue;
        const auto own = [&](const char* f, std::size_t w) {
            const std::string n = utf8(fieldText(f, w));
            return n == home || n == office || n == mobile ? std::string() : n;
        };
        const std::string line =
            joinNonEmpty({phone(own(mr.phone2, sizeof mr.phone2), text::TxHeadMobile),
                          phone(own(mr.phone3, sizeof mr.phone3), text::TxHeadOffice),
                          phone(own(mr.phone, sizeof mr.phone), text::TxHeadHome), email(doc, mr)});
        if (!line.empty()) out.push_back({2, nameOf(doc, m) + ":  " + line});
    }

    std::vector<std::string> needs;
    if (const std::string n = needText(doc, r.specneed); !n.empty())
        needs.push_back(text::cp1252ToUtf8(n));
    for (int m : b.members)
        if (const std::string n = needText(doc, doc.store().at(m).specneed); !n.empty())
            needs.push_back("(" + nameOf(doc, m) + ") " + text::cp1252ToUtf8(n));
    if (!needs.empty()) {
        std::string line = text::tr(text::TxSpecialNeeds) + ":";
        for (std::size_t i = 0; i < needs.size(); ++i) line += (i ? "; " : " ") + needs[i];
        out.push_back({2, std::move(line)});
    }
    return out;
}

int drawEmergencyList(ReportContext& ctx, int group) {
    const CVelnoDoc& doc = ctx.doc;
    Canvas& c = ctx.canvas;
    const int left = ctx.leftStart();
    const int width = ctx.inchX() * 15 / 2;
    PageFlow flow(ctx);
    const auto heading = [&] {
        c.text(left, flow.line(FontRole::Title),
               titleWithCongregation(doc, text::TxEmergencyTitle));
        if (group > 0) {
            std::string sub = groupDisplayText(doc, group);
            const std::string overseer = groupText(doc.groups().data(), group, GroupText::Overseer);
            if (!trimmed(overseer).empty()) sub += " - " + utf8(overseer);
            c.text(left, flow.line(FontRole::Subtitle), sub);
        }
        drawDateStamp(ctx, left + width, flow.y());
        flow.skip(ctx.inchY() / 8);
    };
    flow.onNewPage = heading;
    heading();
    const int spacing = flow.spacing(FontRole::Text);
    for (const EmergencyBlock& b : emergencyBlocks(doc, group)) {
        const std::vector<BlockLine> lines = blockLines(ctx, b, width);
        flow.keep(static_cast<int>(lines.size()) * spacing + ctx.inchY() / 8);
        if (!c.showsLines(flow.y(), flow.y() + static_cast<int>(lines.size() + 1) * spacing)) {
            flow.skip(static_cast<int>(lines.size()) * spacing + ctx.inchY() / 8);
            continue;
        }
        c.line(left, flow.y(), left + width, flow.y());
        flow.skip(ctx.inchY() / 32);
        for (const BlockLine& l : lines) {
            const int y = flow.line(FontRole::Text);
            const int x = left + l.indent * ctx.inchX() / 10;
            c.text(x, y, fitText(c, l.text, left + width - x));
        }
        flow.skip(ctx.inchY() * 3 / 32);
    }
    return flow.page();
}

// The form's text font in a sans-serif face.
void formFont(ReportContext& ctx, FontRole role) {
    LogicalFont f = ctx.fonts.font(role);
    f.faceName = "Arial";
    ctx.useFont(f);
}

void drawForm(ReportContext& ctx, int page, int headPos) {
    const CVelnoDoc& doc = ctx.doc;
    Canvas& c = ctx.canvas;
    const int left = ctx.leftStart();
    const int right = left + ctx.inchX() * 15 / 2;
    const int valueX = left + inchesX(ctx, 0.3);
    int y = ctx.pageTop(page) + ctx.topMargin();
    formFont(ctx, FontRole::Title);
    c.text(left, y, titleWithCongregation(doc, text::TxEmergencyTitle));
    y += c.lineSpacing() + ctx.inchY() / 4;

    const PublisherRecord* r = headPos > 0 ? &doc.store().at(headPos) : nullptr;
    const auto field = [&](const std::string& caption, const std::vector<std::string>& values,
                           int blankLines = 1) {
        formFont(ctx, FontRole::Heading);
        c.text(left, y, caption);
        y += c.lineSpacing();
        formFont(ctx, FontRole::Text);
        const int lines = values.empty() ? blankLines : static_cast<int>(values.size());
        for (int i = 0; i < lines; ++i) {
            if (i < static_cast<int>(values.size()))
                c.text(valueX, y, fitText(c, values[i], right - valueX));
            y += c.lineSpacing();
            c.line(valueX, y, right, y);
            y += ctx.inchY() / 16;
        }
        y += ctx.inchY() / 8;
    };
    const auto one = [](const std::string& v) {
        return v.empty() ? std::vector<std::string>{} : std::vector<std::string>{v};
    };
    std::vector<int> members;
    if (r) members = householdMembers(doc.store(), r->id);

    field(text::tr(text::TxFormHead), one(r ? nameOf(doc, headPos) : std::string()));
    std::vector<std::string> names;
    for (int m : members) names.push_back(nameOf(doc, m));
    if (r && names.empty()) names.push_back(text::tr(text::TxFormOnePerson));
    field(text::tr(text::TxFormMembers), names, 3);
    const auto phones = [&](const std::string& home, const std::string& office,
                            const std::string& mobile) {
        return text::tr(text::TxFormHome) + ": " + home + "     " + text::tr(text::TxFormOffice) +
               ": " + office + "     " + text::tr(text::TxFormMobile) + ": " + mobile;
    };
    field(text::tr(text::TxFormHome) + " / " + text::tr(text::TxFormOffice) + " / " +
              text::tr(text::TxFormMobile),
          one(r ? phones(utf8(r->phone), utf8(r->phone3), utf8(r->phone2)) : std::string()));
    field(text::tr(text::TxFormAddress), one(r ? utf8(r->addr) : std::string()));
    field(text::tr(text::TxFormEmail), one(r ? email(doc, *r) : std::string()));

    const auto contact = r ? contactByKey(doc, r->emergId) : std::nullopt;
    std::vector<std::string> outside;
    if (contact && !trimmed(fieldText(contact->contact)).empty()) {
        outside.push_back(text::tr(text::TxEmergencyContact) + ": " + utf8(contact->contact));
        outside.push_back(phones(utf8(contact->homePhone), utf8(contact->officePhone),
                                 utf8(contact->mobilePhone)));
    }
    field(text::tr(text::TxContactChooserTitle), outside, 2);
    const std::string sy =
        contact && !trimmed(fieldText(contact->contact)).empty()
            ? text::tr(contact->sy ? text::TxEmergencySyYes : text::TxEmergencySyNo)
            : text::tr(text::TxFormSyTick);
    formFont(ctx, FontRole::Text);
    c.text(left, y, sy);
    y += c.lineSpacing() + ctx.inchY() / 8;

    std::vector<std::string> needs;
    if (r) {
        if (const std::string n = needText(doc, r->specneed); !n.empty())
            needs.push_back(text::cp1252ToUtf8(n));
        for (int m : members)
            if (const std::string n = needText(doc, doc.store().at(m).specneed); !n.empty()) {
                std::string line(1, '(');
                line += nameOf(doc, m);
                line += ") ";
                line += text::cp1252ToUtf8(n);
                needs.push_back(std::move(line));
            }
    }
    field(text::tr(text::TxSpecialNeeds), needs, 2);
}

int drawSpecialNeeds(ReportContext& ctx, int group) {
    const CVelnoDoc& doc = ctx.doc;
    Canvas& c = ctx.canvas;
    const int need = group > 0 ? 0 : ctx.specialNeed;
    const auto lines = specialNeedLines(doc, group, need);
    ListHeader header;
    header.title = text::tr(text::TxSpecialNeeds);
    if (group > 0)
        header.subtitle = groupDisplayText(doc, group);
    else if (need > 0)
        header.subtitle = text::cp1252ToUtf8(needText(doc, static_cast<std::uint16_t>(need)));
    const int perPage = std::max(1, listLinesPerPage(ctx));
    const int pages = static_cast<int>(lines.size()) / perPage + 1;
    const int left = ctx.leftStart();
    const int needX = left + inchesX(ctx, 2.8);
    for (int page = 1; page <= pages; ++page) {
        int y = drawListHeader(ctx, ctx.pageTop(page), header) + ctx.inchY() / 16;
        ctx.useFont(FontRole::Text);
        const int spacing = c.lineSpacing();
        const std::size_t first = static_cast<std::size_t>((page - 1) * perPage);
        for (std::size_t i = first; i < lines.size() && i < first + perPage; ++i, y += spacing) {
            const int width = need > 0 ? 7 * ctx.inchX() : needX - left - inchesX(ctx, 0.1);
            c.text(left, y, fitText(c, lines[i].name, width));
            if (need == 0)
                c.text(needX, y, fitText(c, lines[i].need, left + 7 * ctx.inchX() - needX));
        }
    }
    return pages;
}

}  // namespace

std::vector<EmergencyBlock> emergencyBlocks(const CVelnoDoc& doc, int group) {
    const RecordStore& store = doc.store();
    std::vector<EmergencyBlock> blocks;
    auto households = allHouseholdMembers(store);
    for (int pos = 1; pos < store.recordCount(); ++pos) {
        const PublisherRecord& r = store.at(pos);
        if (r.household >= 10 && r.household != r.id) continue;
        const bool head = isHouseholdHead(r);
        const bool starts =
            r.listKind == ListActive || r.listKind == ListCircuitOverseer ||
            (head && (r.listKind == ListInactive || r.listKind == ListBibleStudent));
        if (!starts || (group > 0 && r.group != group)) continue;
        EmergencyBlock b;
        b.pos = pos;
        if (head) {
            const auto it = households.find(r.id);
            if (it != households.end()) b.members = std::move(it->second);
        }
        blocks.push_back(std::move(b));
    }
    return blocks;
}

std::vector<SpecialNeedLine> specialNeedLines(const CVelnoDoc& doc, int group, int need) {
    const RecordStore& store = doc.store();
    std::vector<SpecialNeedLine> lines;
    for (int pos = 1; pos < store.recordCount(); ++pos) {
        const PublisherRecord& r = store.at(pos);
        if (r.listKind > ListBibleStudent || r.specneed == 0) continue;
        if (group > 0 && r.group != group) continue;
        if (need > 0 && r.specneed != need) continue;
        std::string name = nameOf(doc, pos);
        if (r.listKind == ListInactive) name += " (" + text::tr(text::TxInactiveMark) + ")";
        if (r.listKind == ListBibleStudent) name += " (" + text::tr(text::TxStudentMark) + ")";
        lines.push_back({std::move(name), text::cp1252ToUtf8(needText(doc, r.specneed))});
    }
    return lines;
}

int drawEmergencyCongregation(ReportContext& ctx) {
    return drawEmergencyList(ctx, 0);
}

int drawEmergencyGroup(ReportContext& ctx) {
    return drawEmergencyList(ctx, ctx.group);
}

int drawEmergencyForms(ReportContext& ctx) {
    if (!ctx.formHeads || ctx.formHeads->empty()) return drawEmergencyBlankForm(ctx);
    int page = 0;
    for (int pos : *ctx.formHeads) {
        if (pos <= 0 || pos >= ctx.doc.store().recordCount()) continue;
        drawForm(ctx, ++page, pos);
    }
    return std::max(page, 1);
}

int drawEmergencyBlankForm(ReportContext& ctx) {
    drawForm(ctx, 1, 0);
    return 1;
}

int drawSpecialNeedsCongregation(ReportContext& ctx) {
    return drawSpecialNeeds(ctx, 0);
}

int drawSpecialNeedsGroup(ReportContext& ctx) {
    return drawSpecialNeeds(ctx, ctx.group);
}

}  // namespace velno::print
