#include "publishers/ServicePrivilegesModel.h"

#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

namespace {

enum Row { Servant, Elder, Regular, Continuous, Special };

DateLists yearLists(const CVelnoDoc& doc) {
    const ReportMonth& rm = doc.reportMonth();
    return DateLists(rm.reportYear() - ServicePrivilegesModel::kYearsBack, rm.reportYear() + 1,
                     rm.reportYear2);
}

bool isBlank(const std::string& date) {
    return trimmed(date).empty();
}

}  // namespace

void tellPrivilegeTableFull(CVelnoDoc& doc, const std::string& nameUtf8) {
    doc.prompter().tell(text::arg(text::tr(text::TxPrivilegeTableFull),
                                  std::to_string(PrivilegeDates::kCapacity), nameUtf8),
                        Icon::Warning);
}

ServicePrivilegesModel::ServicePrivilegesModel(CVelnoDoc& doc, int storePos)
    : doc_(doc),
      storePos_(storePos),
      id_(doc.store().at(storePos).id),
      brother_((doc.store().at(storePos).flags & RecordFlag::Brother) != 0),
      rows_{Row{false, yearLists(doc), yearLists(doc)}, Row{false, yearLists(doc), yearLists(doc)},
            Row{false, yearLists(doc), yearLists(doc)}, Row{false, yearLists(doc), yearLists(doc)},
            Row{false, yearLists(doc), yearLists(doc)}} {
    const PublisherRecord& r = doc.store().at(storePos);
    const int kind = r.kindAt(doc.reportMonth().slot());
    rows_[Servant].checked = r.privilege() == PrivilegeServant;
    rows_[Elder].checked = r.privilege() == PrivilegeElder;
    rows_[Regular].checked = kind == ServiceRegular;
    rows_[Continuous].checked = (r.flags & RecordFlag::ContinuousAuxiliary) != 0;
    rows_[Special].checked = kind == ServiceSpecial;
    specialServant_ = (r.categoryBits & CategoryBit::SpecialServant) != 0;
    missionary_ = (r.categoryBits & CategoryBit::Missionary) != 0;
    for (int row = 0; row < kRows; ++row) {
        const PrivilegeDateEntry* e =
            doc.privilegeDates().find(id_, static_cast<std::uint16_t>(kindOfRow(row)));
        if (!e) continue;
        rows_[row].start.load(fieldText(e->start, sizeof e->start));
        rows_[row].end.load(fieldText(e->end, sizeof e->end));
    }
    applyEndRule();
}

std::string ServicePrivilegesModel::title() const {
    return text::tr(text::TxPrivilegesTitle) + " - " +
           text::cp1252ToUtf8(doc_.displayName(storePos_));
}

std::string ServicePrivilegesModel::heading() const {
    return text::tr(text::TxPrivilegesHeading);
}

std::string ServicePrivilegesModel::startHeading() const {
    return text::tr(text::TxPrivilegesStart);
}

std::string ServicePrivilegesModel::endHeading() const {
    return text::tr(text::TxPrivilegesEnd);
}

std::string ServicePrivilegesModel::rowText(int row) const {
    static constexpr int kTexts[kRows] = {text::TxPrivilegeRowServant, text::TxPrivilegeRowElder,
                                          text::TxPrivilegeRowRegular, text::TxContinuousAuxiliary,
                                          text::TxPrivilegeRowSpecial};
    return row >= 0 && row < kRows ? text::tr(kTexts[row]) : std::string();
}

std::string ServicePrivilegesModel::specialServantText() const {
    return text::tr(text::TxPrivilegeSpecialServant);
}

std::string ServicePrivilegesModel::missionaryText() const {
    return text::tr(text::TxPrivilegeMissionary);
}

bool ServicePrivilegesModel::enabled(int row) const {
    if (row == Servant || row == Elder) return brother_;
    return row >= 0 && row < kRows;
}

bool ServicePrivilegesModel::endVisible(int row) const {
    return rows_[row].start.complete() && !rows_[row].checked;
}

const DateLists& ServicePrivilegesModel::date(int row, PrivilegeDate which) const {
    return which == PrivilegeDate::Start ? rows_[row].start : rows_[row].end;
}

DateLists& ServicePrivilegesModel::lists(int row, PrivilegeDate which) {
    return which == PrivilegeDate::Start ? rows_[row].start : rows_[row].end;
}

void ServicePrivilegesModel::applyEndRule() {
    for (int row = 0; row < kRows; ++row)
        if (!endVisible(row)) rows_[row].end.load("");
}

void ServicePrivilegesModel::setChecked(int row, bool on) {
    if (!enabled(row)) return;
    rows_[row].checked = on;
    if (on) {
        auto clear = [this](std::initializer_list<int> others) {
            for (int other : others) rows_[other].checked = false;
        };
        switch (row) {
            case Servant:
                clear({Elder});
                break;
            case Elder:
                clear({Servant});
                break;
            case Regular:
                clear({Continuous, Special});
                break;
            case Continuous:
                clear({Regular, Special});
                break;
            case Special:
                clear({Regular, Continuous});
                break;
            default:
                break;
        }
    }
    applyEndRule();
}

void ServicePrivilegesModel::setDateLine(int row, PrivilegeDate which, DatePart part, int line) {
    lists(row, which).setLine(part, line);
    applyEndRule();
}

DateKeyAction ServicePrivilegesModel::dateChar(int row, PrivilegeDate which, DatePart part,
                                               char c) {
    const DateKeyAction action = lists(row, which).onChar(part, c);
    applyEndRule();
    return action;
}

DateKeyAction ServicePrivilegesModel::dateKey(int row, PrivilegeDate which, DatePart part,
                                              DateKey key) {
    const DateKeyAction action = lists(row, which).onKey(part, key);
    applyEndRule();
    return action;
}

void ServicePrivilegesModel::dateFocusEntered(int row, PrivilegeDate which, DatePart part) {
    lists(row, which).focusEntered(part);
}

bool ServicePrivilegesModel::setDate(int row, PrivilegeDate which, int month, int day, int year) {
    DateLists& d = lists(row, which);
    DateLists probe = d;
    probe.setYear(year);
    if (month < 0 || month > 12 || day < 0 || day > 31 || (year != 0 && probe.year() != year))
        return false;
    d.setLine(DatePart::Month, month);
    d.setLine(DatePart::Day, day);
    d.setYear(year);
    applyEndRule();
    return true;
}

PrivilegeChecks ServicePrivilegesModel::checks() const {
    PrivilegeChecks c;
    c.servant = rows_[Servant].checked;
    c.elder = rows_[Elder].checked;
    c.regularPioneer = rows_[Regular].checked;
    c.continuousAuxiliary = rows_[Continuous].checked;
    c.specialPioneer = rows_[Special].checked;
    c.specialServant = specialServant_;
    c.missionary = missionary_;
    return c;
}

PrivilegeChecks ServicePrivilegesModel::ok() {
    PrivilegeDates& table = doc_.privilegeDates();
    bool full = false;
    for (int row = 0; row < kRows; ++row) {
        const std::string start = rows_[row].start.dateText();
        const std::string end = rows_[row].end.dateText();
        const auto kind = static_cast<std::uint16_t>(kindOfRow(row));
        PrivilegeDateEntry* e = table.find(id_, kind);
        // No row is made for a privilege that was never dated.
        if (!e && isBlank(start) && isBlank(end)) continue;
        if (!e) e = table.add(id_, kind);
        if (!e) {
            full = true;
            continue;
        }
        setFieldText(e->start, start);
        setFieldText(e->end, end);
    }
    if (full) tellPrivilegeTableFull(doc_, text::cp1252ToUtf8(doc_.displayName(storePos_)));
    doc_.dirty = true;
    return checks();
}

void applyPrivilegeChecks(CVelnoDoc& doc, int storePos, const PrivilegeChecks& c) {
    PublisherRecord& r = doc.store().at(storePos);
    std::uint8_t privilege = r.privilege();
    if (c.elder)
        privilege = PrivilegeElder;
    else if (c.servant)
        privilege = PrivilegeServant;
    else if (privilege != PrivilegeBaptizedBrother)
        privilege = PrivilegeNone;
    std::uint8_t flags =
        r.flags &
        static_cast<std::uint8_t>(~(RecordFlag::PrivilegeMask | RecordFlag::ContinuousAuxiliary));
    flags |= privilege;
    if (c.continuousAuxiliary) flags |= RecordFlag::ContinuousAuxiliary;
    r.flags = flags;

    storeServiceKind(r, doc.reportMonth().slot(), c.regularPioneer, c.specialPioneer,
                     c.continuousAuxiliary);

    auto setBit = [&r](std::uint16_t bit, bool on) {
        r.categoryBits =
            static_cast<std::uint16_t>(on ? (r.categoryBits | bit) : (r.categoryBits & ~bit));
    };
    setBit(CategoryBit::SpecialServant, c.specialServant);
    setBit(CategoryBit::Missionary, c.missionary);
    doc.dirty = true;
}

}  // namespace velno
