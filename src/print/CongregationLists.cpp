#include "print/CongregationLists.h"

#include <algorithm>
#include <functional>
#include <map>

#include "print/PageFlow.h"

#include "publishers/GroupOverseer.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/StringTable.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/PrintTexts.h"

namespace velno::print {

namespace {

std::string field(const char* f, std::size_t width) {
    return text::cp1252ToUtf8(trimmed(fieldText(f, width)));
}

bool inScope(const CVelnoDoc& doc, const PublisherRecord& r, ListScope scope, int group) {
    switch (scope) {
        case ListScope::Group:
            return r.group == group;
        case ListScope::Appointed:
            return r.privilege() == PrivilegeServant || r.privilege() == PrivilegeElder;
        case ListScope::Pioneers:
            return r.kindAt(doc.reportMonth().slot()) == ServiceRegular;
        case ListScope::Congregation:
        case ListScope::Inactive:
            break;
    }
    return true;
}

ListHeader headerOf(const CVelnoDoc& doc, int titleId, ListScope scope, int group) {
    ListHeader h;
    h.title = text::tr(titleId);
    h.addressList = titleId == text::TxAddressList;
    switch (scope) {
        case ListScope::Group:
            h.subtitle = text::cp1252ToUtf8(doc.groups().displayName(group));
            break;
        case ListScope::Appointed:
            h.subtitle = text::tr(text::TxElders) + " & " + text::tr(text::TxServants);
            break;
        case ListScope::Pioneers:
            h.subtitle = text::tr(text::TxPioneersRegular);
            break;
        case ListScope::Inactive:
            h.subtitle = text::tr(text::TxListInactive);
            break;
        case ListScope::Congregation:
            break;
    }
    return h;
}

std::string joined(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& n : names) out += (out.empty() ? "" : ", ") + n;
    return out;
}

// Draws lines down the pages under the list header; `lines` of each
// entry are 1 plus the folded members' line. Returns the page count.
struct ListPages {
    ListPages(ReportContext& context, ListHeader h) : ctx(context), header(std::move(h)) {}
    ReportContext& ctx;
    ListHeader header;
    int columns = 1;
    std::function<void(int y)> heads;

    int page = 1;
    int column = 0;
    int line = 0;
    int top = 0;
    int perPage = 0;
    int spacing = 0;

    void startPage() {
        top = drawListHeader(ctx, ctx.pageTop(page), header);
        ctx.useFont(FontRole::Heading);
        if (heads) heads(top);
        top += ctx.canvas.lineSpacing() + ctx.inchY() / 16;
        ctx.useFont(FontRole::Text);
    }
    void begin() {
        perPage = listLinesPerPage(ctx);
        spacing = ctx.canvas.lineSpacing();
        startPage();
    }
    // The top of the next `n` lines kept together, and the left offset of
    // the name column they are in.
    std::pair<int, int> place(int n) {
        if (line + n > perPage) {
            line = 0;
            if (++column >= columns) {
                column = 0;
                ++page;
                startPage();
            }
        }
        const int y = top + line * spacing;
        line += n;
        ctx.useFont(FontRole::Text);
        return {y, column * inchesX(ctx, 3.75)};
    }
};

}  // namespace

std::vector<ContactLine> contactLines(const CVelnoDoc& doc, ListScope scope, int group, bool fold) {
    const RecordStore& store = doc.store();
    const auto& list = store.subList(scope == ListScope::Inactive ? ListInactive : ListActive);
    std::vector<ContactLine> lines;
    std::map<PublisherId, std::size_t> heads;  // id -> line
    std::vector<int> folded;
    for (const int pos : list) {
        const PublisherRecord& r = store.at(pos);
        if (!inScope(doc, r, scope, group)) continue;
        const bool ownNumber =
            !trimmed(fieldText(r.phone2)).empty() || !trimmed(fieldText(r.phone3)).empty();
        if (fold && r.household != 0 && r.household != r.id && !ownNumber) {
            folded.push_back(pos);
            continue;
        }
        ContactLine line;
        line.pos = pos;
        line.name = text::cp1252ToUtf8(doc.displayName(pos));
        if (scope == ListScope::Appointed && r.privilege() == PrivilegeElder) line.name += " *";
        line.home = field(r.phone, sizeof r.phone);
        line.mobile = field(r.phone2, sizeof r.phone2);
        line.office = field(r.phone3, sizeof r.phone3);
        line.address = field(r.addr, sizeof r.addr);
        if (r.flags & RecordFlag::HouseholdHead) heads[r.id] = lines.size();
        lines.push_back(std::move(line));
    }
    // A member whose head is not on this list keeps a line of his own.
    std::vector<ContactLine> own;
    for (const int pos : folded) {
        const PublisherRecord& r = store.at(pos);
        const auto head = heads.find(r.household);
        if (head != heads.end()) {
            lines[head->second].members.push_back(field(r.fname, sizeof r.fname));
            continue;
        }
        ContactLine line;
        line.pos = pos;
        line.name = text::cp1252ToUtf8(doc.displayName(pos));
        line.home = field(r.phone, sizeof r.phone);
        line.address = field(r.addr, sizeof r.addr);
        own.push_back(std::move(line));
    }
    if (!own.empty()) {
        lines.insert(lines.end(), own.begin(), own.end());
        std::stable_sort(lines.begin(), lines.end(),
                         [](const ContactLine& a, const ContactLine& b) { return a.pos < b.pos; });
    }
    return lines;
}

template <ListScope Scope>
int drawPhoneList(ReportContext& ctx) {
    const bool fold = Scope == ListScope::Congregation || Scope == ListScope::Group;
    const auto lines = contactLines(ctx.doc, Scope, ctx.group, fold);
    bool otherNumbers = false;
    for (const ContactLine& l : lines)
        otherNumbers = otherNumbers || !l.mobile.empty() || !l.office.empty();
    Canvas& c = ctx.canvas;
    const int left = ctx.leftStart();
    // Right edges of the number columns (one column of names), or of the
    // home number in each of two columns.
    const int home = left + inchesX(ctx, otherNumbers ? 4.6 : 3.5);
    const int mobile = left + inchesX(ctx, 6.0);
    const int office = left + inchesX(ctx, 7.4);
    ListPages pages{ctx, headerOf(ctx.doc, text::TxPhoneList, Scope, ctx.group)};
    pages.columns = otherNumbers ? 1 : 2;
    pages.heads = [&](int y) {
        for (int col = 0; col < pages.columns; ++col) {
            const int dx = col * inchesX(ctx, 3.75);
            c.text(home + dx, y, text::tr(text::TxHeadHome), Align::Right);
        }
        if (otherNumbers) {
            c.text(mobile, y, text::tr(text::TxHeadMobile), Align::Right);
            c.text(office, y, text::tr(text::TxHeadOffice), Align::Right);
        }
    };
    pages.begin();
    const int nameWidth = home - left - inchesX(ctx, 1.3);
    for (const ContactLine& l : lines) {
        const auto [y, dx] = pages.place(l.members.empty() ? 1 : 2);
        c.text(left + dx, y, fitText(c, l.name, nameWidth));
        c.text(home + dx, y, l.home, Align::Right);
        if (otherNumbers) {
            c.text(mobile, y, l.mobile, Align::Right);
            c.text(office, y, l.office, Align::Right);
        }
        if (!l.members.empty())
            c.text(left + dx + inchesX(ctx, 0.25), y + pages.spacing,
                   fitText(c, joined(l.members), nameWidth));
    }
    return pages.page;
}

template <ListScope Scope>
int drawAddressList(ReportContext& ctx) {
    const bool fold = Scope == ListScope::Congregation || Scope == ListScope::Group;
    const auto lines = contactLines(ctx.doc, Scope, ctx.group, fold);
    Canvas& c = ctx.canvas;
    const int left = ctx.leftStart();
    const int address = left + inchesX(ctx, 2.8);
    ListPages pages{ctx, headerOf(ctx.doc, text::TxAddressList, Scope, ctx.group)};
    pages.begin();
    for (const ContactLine& l : lines) {
        const auto [y, dx] = pages.place(l.members.empty() ? 1 : 2);
        (void)dx;
        c.text(left, y, fitText(c, l.name, address - left - inchesX(ctx, 0.1)));
        c.text(address, y, fitText(c, l.address, left + 7 * ctx.inchX() - address));
        if (!l.members.empty())
            c.text(left + inchesX(ctx, 0.25), y + pages.spacing,
                   fitText(c, joined(l.members), address - left));
    }
    return pages.page;
}

template int drawPhoneList<ListScope::Congregation>(ReportContext&);
template int drawPhoneList<ListScope::Group>(ReportContext&);
template int drawPhoneList<ListScope::Appointed>(ReportContext&);
template int drawPhoneList<ListScope::Pioneers>(ReportContext&);
template int drawAddressList<ListScope::Congregation>(ReportContext&);
template int drawAddressList<ListScope::Group>(ReportContext&);
template int drawAddressList<ListScope::Inactive>(ReportContext&);
template int drawAddressList<ListScope::Appointed>(ReportContext&);
template int drawAddressList<ListScope::Pioneers>(ReportContext&);

}  // namespace velno::print
