#include "print/CongregationLists.h"

#include <algorithm>
#include <functional>
#include <unordered_map>
#include <utility>

#include "print/PageFlow.h"

#include "publishers/GroupOverseer.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "store/Households.h"
#include "store/PublisherEmail.h"
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
        case ListScope::Inactive:
            // One group's inactive list leaves out those kept out of groups.
            return group <= 0 || (r.group == group && !(r.flags & RecordFlag::NoGroupOnSideList));
        case ListScope::Congregation:
            break;
    }
    return true;
}

ContactLine lineOf(const CVelnoDoc& doc, int pos, ListScope scope) {
    const PublisherRecord& r = doc.store().at(pos);
    ContactLine line;
    line.pos = pos;
    line.name = text::cp1252ToUtf8(doc.displayName(pos));
    if (scope == ListScope::Appointed && r.privilege() == PrivilegeElder) line.name += " *";
    line.home = field(r.phone, sizeof r.phone);
    line.mobile = field(r.phone2, sizeof r.phone2);
    line.office = field(r.phone3, sizeof r.phone3);
    line.address = field(r.addr, sizeof r.addr);
    line.email = text::cp1252ToUtf8(publisherEmailAt(doc, pos));
    return line;
}

// An address of three characters or fewer is a placeholder, not printed.
bool printsEmail(const ContactLine& line) {
    return line.email.size() > 3;
}

ListHeader headerOf(const CVelnoDoc& doc, int titleId, ListScope scope, int group) {
    ListHeader h;
    h.title = text::tr(titleId);
    h.addressList = titleId == text::TxAddressList;
    // The contact lists name the group's overseer with the group.
    const bool contacts = titleId == text::TxContactList;
    const std::string label = group > 0 ? text::cp1252ToUtf8(doc.groups().displayName(group)) : "";
    switch (scope) {
        case ListScope::Group:
            h.subtitle = contacts ? label + " - " + overseerTitle(doc, group) : label;
            break;
        case ListScope::Appointed:
            h.subtitle = text::tr(text::TxElders) + " & " + text::tr(text::TxServants);
            break;
        case ListScope::Pioneers:
            h.subtitle = text::tr(text::TxPioneersRegular);
            break;
        case ListScope::Inactive:
            h.subtitle = text::tr(text::TxListInactive);
            if (contacts && group > 0)
                h.subtitle = label + " - " + overseerTitle(doc, group) + " - " + h.subtitle;
            break;
        case ListScope::Congregation:
            break;
    }
    return h;
}

// Households fold on the congregation's and one group's lists only.
template <ListScope Scope>
constexpr Fold foldOf(Fold rule) {
    return Scope == ListScope::Congregation || Scope == ListScope::Group ? rule : Fold::None;
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

// The telephone columns: the name from the left, then the home, mobile and
// office numbers right-aligned under their heads (only the home number
// when the names are set in two columns).
struct PhoneColumns {
    PhoneColumns(ReportContext& ctx, bool allNumbers)
        : all(allNumbers),
          left(ctx.leftStart()),
          home(left + inchesX(ctx, allNumbers ? 4.6 : 3.5)),
          mobile(left + inchesX(ctx, 6.0)),
          office(left + inchesX(ctx, 7.4)),
          nameWidth(home - left - inchesX(ctx, 1.3)) {}
    bool all;
    int left, home, mobile, office, nameWidth;

    void heads(Canvas& c, int y, int dx) const {
        c.text(home + dx, y, text::tr(text::TxHeadHome), Align::Right);
        if (!all) return;
        c.text(mobile, y, text::tr(text::TxHeadMobile), Align::Right);
        c.text(office, y, text::tr(text::TxHeadOffice), Align::Right);
    }
    void line(Canvas& c, int y, int dx, const ContactLine& l) const {
        c.text(left + dx, y, fitText(c, l.name, nameWidth));
        c.text(home + dx, y, l.home, Align::Right);
        if (!all) return;
        c.text(mobile, y, l.mobile, Align::Right);
        c.text(office, y, l.office, Align::Right);
    }
};

}  // namespace

std::vector<ContactLine> contactLines(const CVelnoDoc& doc, ListScope scope, int group, Fold fold) {
    const RecordStore& store = doc.store();
    const auto& list = store.subList(scope == ListScope::Inactive ? ListInactive : ListActive);
    std::vector<ContactLine> lines;
    std::unordered_map<int, std::size_t> headLines;   // the head's store position -> line
    std::vector<std::pair<ContactLine, int>> folded;  // with the head's store position
    for (const int pos : list) {
        const PublisherRecord& r = store.at(pos);
        if (!inScope(doc, r, scope, group)) continue;
        ContactLine line = lineOf(doc, pos, scope);
        const int head = fold == Fold::None ? -1 : householdHeadOf(store, r);
        const bool own = !line.mobile.empty() || !line.office.empty() ||
                         (fold == Fold::WithoutOwnNumberOrEmail && printsEmail(line));
        if (head > 0 && head != pos && !own) {
            folded.emplace_back(std::move(line), head);
            continue;
        }
        if (head == pos) headLines[pos] = lines.size();
        lines.push_back(std::move(line));
    }
    // A member whose head is not on this list keeps a line of his own.
    bool own = false;
    for (auto& [line, head] : folded) {
        const auto it = headLines.find(head);
        if (it != headLines.end()) {
            const PublisherRecord& r = store.at(line.pos);
            lines[it->second].members.push_back(field(r.fname, sizeof r.fname));
            continue;
        }
        lines.push_back(std::move(line));
        own = true;
    }
    if (own)
        std::stable_sort(lines.begin(), lines.end(),
                         [](const ContactLine& a, const ContactLine& b) { return a.pos < b.pos; });
    return lines;
}

template <ListScope Scope>
int drawPhoneList(ReportContext& ctx) {
    const auto lines =
        contactLines(ctx.doc, Scope, ctx.group, foldOf<Scope>(Fold::WithoutOwnNumber));
    bool otherNumbers = false;
    for (const ContactLine& l : lines)
        otherNumbers = otherNumbers || !l.mobile.empty() || !l.office.empty();
    Canvas& c = ctx.canvas;
    const PhoneColumns numbers(ctx, otherNumbers);
    ListPages pages{ctx, headerOf(ctx.doc, text::TxPhoneList, Scope, ctx.group)};
    pages.columns = otherNumbers ? 1 : 2;
    pages.heads = [&](int y) {
        for (int col = 0; col < pages.columns; ++col) numbers.heads(c, y, col * inchesX(ctx, 3.75));
    };
    pages.begin();
    for (const ContactLine& l : lines) {
        const auto [y, dx] = pages.place(l.members.empty() ? 1 : 2);
        numbers.line(c, y, dx, l);
        if (!l.members.empty())
            c.text(numbers.left + dx + inchesX(ctx, 0.25), y + pages.spacing,
                   fitText(c, joined(l.members), numbers.nameWidth));
    }
    return pages.page;
}

template <ListScope Scope>
int drawPhoneEmailList(ReportContext& ctx) {
    // A member with an address of his own keeps his line, or it would be lost.
    const auto lines =
        contactLines(ctx.doc, Scope, ctx.group, foldOf<Scope>(Fold::WithoutOwnNumberOrEmail));
    Canvas& c = ctx.canvas;
    const PhoneColumns numbers(ctx, true);
    ListPages pages{ctx, headerOf(ctx.doc, text::TxPhoneEmailList, Scope, ctx.group)};
    pages.heads = [&](int y) { numbers.heads(c, y, 0); };
    pages.begin();
    const int indent = numbers.left + inchesX(ctx, 0.25);
    const int width = numbers.office - indent;
    for (const ContactLine& l : lines) {
        const int extra = (l.members.empty() ? 0 : 1) + (printsEmail(l) ? 1 : 0);
        const auto [y, dx] = pages.place(1 + extra);
        (void)dx;
        numbers.line(c, y, 0, l);
        int next = y + pages.spacing;
        if (!l.members.empty()) {
            c.text(indent, next, fitText(c, joined(l.members), numbers.nameWidth));
            next += pages.spacing;
        }
        if (printsEmail(l)) c.text(indent, next, fitText(c, l.email, width));
    }
    return pages.page;
}

template <ListScope Scope>
int drawContactList(ReportContext& ctx) {
    const auto lines = contactLines(ctx.doc, Scope, ctx.group, Fold::None);
    Canvas& c = ctx.canvas;
    const int left = ctx.leftStart();
    const int details = left + inchesX(ctx, 2.9);
    const int right = left + inchesX(ctx, 7.5);
    ListPages pages{ctx, headerOf(ctx.doc, text::TxContactList, Scope, ctx.group)};
    pages.begin();
    for (const ContactLine& l : lines) {
        // The address, the numbers ("021-555 (Rumah)") and the address for
        // mail, each on a line of its own when there is one.
        std::vector<std::string> rows;
        if (!l.address.empty()) rows.push_back(l.address);
        std::string phones;
        const std::pair<const std::string*, int> kinds[] = {{&l.home, text::TxHeadHome},
                                                            {&l.mobile, text::TxHeadMobile},
                                                            {&l.office, text::TxHeadOffice}};
        for (const auto& [number, head] : kinds)
            if (!number->empty())
                phones += (phones.empty() ? "" : "   ") + *number + " (" + text::tr(head) + ")";
        if (!phones.empty()) rows.push_back(phones);
        if (printsEmail(l)) rows.push_back(l.email);
        const int n = std::max<int>(1, static_cast<int>(rows.size()));
        const auto [y, dx] = pages.place(n);
        (void)dx;
        c.text(left, y, fitText(c, l.name, details - left - inchesX(ctx, 0.1)));
        for (int i = 0; i < static_cast<int>(rows.size()); ++i)
            c.text(details, y + i * pages.spacing, fitText(c, rows[i], right - details));
    }
    return pages.page;
}

template <ListScope Scope>
int drawAddressList(ReportContext& ctx) {
    const auto lines =
        contactLines(ctx.doc, Scope, ctx.group, foldOf<Scope>(Fold::WithoutOwnNumber));
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
template int drawPhoneEmailList<ListScope::Congregation>(ReportContext&);
template int drawPhoneEmailList<ListScope::Group>(ReportContext&);
template int drawPhoneEmailList<ListScope::Appointed>(ReportContext&);
template int drawPhoneEmailList<ListScope::Pioneers>(ReportContext&);
template int drawContactList<ListScope::Congregation>(ReportContext&);
template int drawContactList<ListScope::Group>(ReportContext&);
template int drawContactList<ListScope::Appointed>(ReportContext&);
template int drawContactList<ListScope::Pioneers>(ReportContext&);
template int drawContactList<ListScope::Inactive>(ReportContext&);

}  // namespace velno::print
