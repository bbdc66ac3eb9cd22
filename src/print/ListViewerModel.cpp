#include "print/ListViewerModel.h"

#include <algorithm>

#include "print/PageFlow.h"
#include "publishers/GroupOverseer.h"
#include "reporting/Classification.h"
#include "store/CVelnoDoc.h"
#include "store/DesktopServices.h"
#include "store/PublisherEmail.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/CommonTexts.h"
#include "text/texts/ExchangeTexts.h"
#include "text/texts/PrintTexts.h"

namespace velno::print {

namespace {

int periodText(ListPeriod p) {
    switch (p) {
        case ListPeriod::SixMonths:
            return text::TxPeriodSixMonths;
        case ListPeriod::ServiceYear:
            return text::TxPeriodServiceYear;
        case ListPeriod::TwelveMonths:
            return text::TxPeriodTwelveMonths;
        case ListPeriod::TwentyFourMonths:
            return text::TxPeriodTwentyFourMonths;
        case ListPeriod::MoreThanTwelve:
            return text::TxPeriodMoreThanTwelve;
        case ListPeriod::All:
            break;
    }
    return text::TxPeriodAll;
}

// The privilege kinds the filter of mode 12 offers: the last two only
// when someone holds them.
std::vector<PrivilegeFilter> privilegeFilters(const CVelnoDoc& doc) {
    std::vector<PrivilegeFilter> out{
        PrivilegeFilter::Servants, PrivilegeFilter::Elders, PrivilegeFilter::RegularPioneers,
        PrivilegeFilter::ContinuousAuxiliary, PrivilegeFilter::SpecialPioneers};
    bool special = false, missionary = false;
    for (const int pos : doc.store().subList(ListActive)) {
        const PublisherRecord& r = doc.store().at(pos);
        special = special || (r.categoryBits & CategoryBit::SpecialServant);
        missionary = missionary || (r.categoryBits & CategoryBit::Missionary);
    }
    if (special) out.push_back(PrivilegeFilter::SpecialServants);
    if (missionary) out.push_back(PrivilegeFilter::Missionaries);
    return out;
}

int privilegeText(PrivilegeFilter p) {
    switch (p) {
        case PrivilegeFilter::Servants:
            return text::TxServants;
        case PrivilegeFilter::Elders:
            return text::TxElders;
        case PrivilegeFilter::RegularPioneers:
            return text::TxPioneersRegular;
        case PrivilegeFilter::ContinuousAuxiliary:
            return text::TxPrivilegeContinuousAuxiliary;
        case PrivilegeFilter::SpecialPioneers:
            return text::TxSpecialPioneers;
        case PrivilegeFilter::SpecialServants:
            return text::TxSpecialServants;
        case PrivilegeFilter::Missionaries:
            break;
    }
    return text::TxFieldMissionaries;
}

bool hasChooserOrFilter(ListMode mode) {
    return !periodsOf(mode).empty() || usesGroupFilter(mode) || mode == ListMode::NotReporting ||
           mode == ListMode::Baptized || mode == ListMode::Privileges ||
           mode == ListMode::SpecialNeeds;
}

int needText(std::uint16_t bit) {
    if (bit == MoreBit::Blind) return text::TxNeedBlind;
    if (bit == MoreBit::Isolated) return text::TxNeedIsolated;
    return text::TxNeedDeaf;
}

}  // namespace

ListViewerModel::ListViewerModel(const CVelnoDoc& doc, ListMode mode) : doc_(doc) {
    modes_ = availableListModes(doc);
    // A list whose data are gone (the last special need removed) opens
    // on the first list instead.
    if (std::find(modes_.begin(), modes_.end(), mode) == modes_.end()) mode = modes_.front();
    setMode(mode);
}

std::vector<std::string> ListViewerModel::modeTexts() const {
    std::vector<std::string> out;
    for (const ListMode m : modes_) out.push_back(listChooserText(doc_, m));
    return out;
}

void ListViewerModel::setMode(ListMode mode) {
    query_.mode = mode;
    query_.month0 = -1;
    const auto periods = periodsOf(mode);
    query_.period = periods.empty() ? ListPeriod::SixMonths : periods.front();
    filter_ = 0;
    query_.group = 0;
    query_.bracket = 0;
    query_.privilege = PrivilegeFilter::Servants;
    const auto needs = specialNeedsPresent(doc_);
    query_.need = needs.empty() ? MoreBit::Deaf : needs.front();
    rebuild();
}

std::vector<std::string> ListViewerModel::secondChoices() const {
    std::vector<std::string> out;
    if (query_.mode == ListMode::NotReporting) {
        for (int m = 0; m < 12; ++m) out.push_back(text::monthName(m));
        return out;
    }
    for (const ListPeriod p : periodsOf(query_.mode)) out.push_back(text::tr(periodText(p)));
    return out;
}

int ListViewerModel::secondChoice() const {
    if (query_.mode == ListMode::NotReporting)
        return query_.month0 >= 0 ? query_.month0 : doc_.reportMonth().reportMonth0;
    const auto periods = periodsOf(query_.mode);
    for (std::size_t i = 0; i < periods.size(); ++i)
        if (periods[i] == query_.period) return static_cast<int>(i);
    return 0;
}

void ListViewerModel::setSecondChoice(int index) {
    if (query_.mode == ListMode::NotReporting) {
        query_.month0 = index >= 0 && index < 12 ? index : -1;
    } else {
        const auto periods = periodsOf(query_.mode);
        if (index < 0 || index >= static_cast<int>(periods.size())) return;
        query_.period = periods[index];
    }
    rebuild();
}

std::vector<std::string> ListViewerModel::filterChoices() const {
    std::vector<std::string> out;
    if (query_.mode == ListMode::Baptized) {
        for (const YearBracket& b : kBaptizedListBrackets) out.push_back(text::tr(b.textId));
    } else if (query_.mode == ListMode::Privileges) {
        for (const PrivilegeFilter p : privilegeFilters(doc_))
            out.push_back(text::tr(privilegeText(p)));
    } else if (query_.mode == ListMode::SpecialNeeds) {
        for (const std::uint16_t bit : specialNeedsPresent(doc_))
            out.push_back(text::tr(needText(bit)));
    } else if (usesGroupFilter(query_.mode)) {
        out.push_back(text::tr(text::TxCongregation));
        for (int g = 1; g <= doc_.groups().count(); ++g)
            out.push_back(text::cp1252ToUtf8(doc_.groups().displayName(g)));
    }
    return out;
}

void ListViewerModel::setFilterChoice(int index) {
    const int count = static_cast<int>(filterChoices().size());
    if (index < 0 || index >= count) return;
    filter_ = index;
    query_.group = 0;
    if (query_.mode == ListMode::Baptized)
        query_.bracket = index;
    else if (query_.mode == ListMode::Privileges)
        query_.privilege = privilegeFilters(doc_)[index];
    else if (query_.mode == ListMode::SpecialNeeds)
        query_.need = specialNeedsPresent(doc_)[index];
    else
        query_.group = index;
    rebuild();
}

void ListViewerModel::rebuild() {
    list_ = buildList(doc_, query_);
    selected_ = -1;
    number_ = 0;
}

bool ListViewerModel::dialing() const {
    return doc_.settings().dialing != 0;
}

bool ListViewerModel::contactOffered() const {
    return query_.mode == ListMode::NotReporting ||
           (query_.mode == ListMode::Irregular && dialing());
}

int ListViewerModel::month0() const {
    return query_.month0 >= 0 ? query_.month0 : doc_.reportMonth().reportMonth0;
}

void ListViewerModel::select(int row) {
    selected_ = row >= 0 && row < static_cast<int>(list_.rows.size()) ? row : -1;
    number_ = 0;
}

int ListViewerModel::targetPos() const {
    if (selected_ >= 0) return list_.rows[selected_].pos;
    return groupOverseerPos(doc_, query_.group);
}

ListViewerModel::ContactButtons ListViewerModel::buttons() const {
    ContactButtons b;
    if (!contactOffered()) return b;
    b.contactVisible = true;
    const int pos = targetPos();
    const std::string name = pos > 0 ? text::cp1252ToUtf8(doc_.displayName(pos)) : std::string();
    if (dialing()) {
        const auto numbers = numbersOf(doc_, pos);
        const bool other = std::any_of(numbers.begin(), numbers.end(),
                                       [](PhoneKind k) { return k != PhoneKind::Home; });
        const std::string home = pos > 0 ? phoneOf(doc_.store().at(pos), PhoneKind::Home) : "";
        b.contact = text::arg(text::tr(text::TxDialTarget), name + "  -  " + home);
        b.contactEnabled = pos > 0 && !home.empty();
        // Another number moves the dialing to button 5 and ">>>".
        if (other) {
            b.contactVisible = false;
            b.dialVisible = true;
            b.nextVisible = numbers.size() > 1;
            const PhoneKind current = numbers[number_ % numbers.size()];
            b.dial = text::arg(text::tr(text::TxDialTarget),
                               name + "  -  " + phoneOf(doc_.store().at(pos), current));
        }
        return b;
    }
    const std::string address = pos > 0 ? text::cp1252ToUtf8(publisherEmailAt(doc_, pos)) : "";
    if (pos > 0 && address.empty()) {
        b.contact = text::arg(text::tr(text::TxNoAddress), name);
        return b;
    }
    b.contact = text::tr(text::TxEmailWord) + " - " + address;
    b.contactEnabled = pos > 0;
    return b;
}

void ListViewerModel::nextNumber() {
    const auto count = numbersOf(doc_, targetPos()).size();
    if (count > 0) number_ = (number_ + 1) % static_cast<int>(count);
}

MailMessage ListViewerModel::reminder() const {
    // A group's overseer gets the group's list itself.
    const std::string rows = clipboardText();
    return reminderMail(doc_, targetPos(), month0(), selected_ < 0 ? &rows : nullptr);
}

std::string ListViewerModel::contact(MailComposer& mail, Dialer& dialer) const {
    const int pos = targetPos();
    if (!contactOffered() || pos <= 0) return {};
    if (dialing()) {
        const auto numbers = numbersOf(doc_, pos);
        if (numbers.empty()) return {};
        const PhoneKind kind = numbers[number_ % numbers.size()];
        return dialNumber(dialer, phoneOf(doc_.store().at(pos), kind)).message;
    }
    const MailMessage message = reminder();
    if (message.to.empty()) return {};
    return mail.compose(message);
}

std::string ListViewerModel::title() const {
    const std::string chooser = listChooserText(doc_, query_.mode);
    if (!hasChooserOrFilter(query_.mode)) return chooser;
    return text::formatPrintf("%s ( %d )", chooser.c_str(), static_cast<int>(list_.rows.size()));
}

std::string ListViewerModel::summary() const {
    if (query_.group <= 0) return {};
    return text::cp1252ToUtf8(doc_.groups().displayName(query_.group)) + "  -  " +
           overseerTitle(doc_, query_.group);
}

std::string ListViewerModel::clipboardText() const {
    std::string out;
    for (const ListRow& row : list_.rows) out += row.text + "\n";
    return out;
}

void ListViewerModel::copy(Clipboard& clipboard) const {
    clipboard.setText(clipboardText());
}

bool ListViewerModel::editVisible() const {
    return query_.mode == ListMode::Privileges && !doc_.oldYearView;
}

PrintedList printedList(const ListViewerModel& model) {
    PrintedList out{model.title(), model.summary(), {}};
    for (const ListRow& row : model.list().rows) out.rows.push_back(row.text);
    return out;
}

int drawPrintedList(ReportContext& ctx, const PrintedList& list) {
    PageFlow flow(ctx);
    ListHeader header;
    header.title = list.title;
    header.subtitle = list.subtitle;
    const int left = ctx.leftStart();
    // Columns of a row: the name, then each tab-separated field.
    const int columns[] = {left, left + inchesX(ctx, 3.2), left + inchesX(ctx, 5.0),
                           left + inchesX(ctx, 6.3)};
    auto head = [&] {
        const int y = drawListHeader(ctx, ctx.pageTop(flow.page()), header);
        flow.skip(std::max(0, y - flow.y()) + ctx.inchY() / 8);
    };
    head();
    flow.onNewPage = head;
    for (const std::string& row : list.rows) {
        const int y = flow.line(FontRole::Text);
        std::size_t start = 0;
        for (int c = 0; c < 4; ++c) {
            const std::size_t tab = row.find('\t', start);
            const std::string field =
                row.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
            const int right = c < 3 ? columns[c + 1] - inchesX(ctx, 0.1) : left + inchesX(ctx, 7.5);
            ctx.canvas.text(columns[c], y, fitText(ctx.canvas, field, right - columns[c]));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
    }
    return flow.page();
}

namespace {
PrintedList& listToPrint() {
    static PrintedList list;
    return list;
}
}  // namespace

void setListToPrint(PrintedList list) {
    listToPrint() = std::move(list);
}

int drawListToPrint(ReportContext& ctx) {
    return drawPrintedList(ctx, listToPrint());
}

}  // namespace velno::print
