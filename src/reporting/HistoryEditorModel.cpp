#include "reporting/HistoryEditorModel.h"

#include <algorithm>

#include "reporting/CollectionState.h"
#include "reporting/TallyMonth.h"
#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"
#include "text/texts/ReportingTexts.h"

namespace velno {

HistoryEditorModel::HistoryEditorModel(CVelnoDoc& doc) : doc_(doc) {
    doc.lateReports().writeMarks(doc.store(), doc.reportMonth());
    for (int pos : doc.store().subList(ListActive)) {
        publishers_.push_back(doc.store().at(pos).id);
        names_.push_back(text::cp1252ToUtf8(doc.displayName(pos)));
    }
    const ReportMonth& month = doc.reportMonth();
    month0_ = month.reportMonth0;
    // In January before January is opened, the months to correct are last
    // year's.
    yearRow_ =
        month.reportMonth0 == 0 && collectionState(doc, 0) == Collection::NotInitialised ? 1 : 2;
    loadSlot();
}

HistoryEditorModel::~HistoryEditorModel() {
    doc_.lateReports().rebuild(doc_.store(), doc_.reportMonth());
}

std::string HistoryEditorModel::title() const {
    return text::tr(text::TxHistTitle);
}

std::array<std::string, 6> HistoryEditorModel::fieldCaptions() const {
    return {text::tr(text::TxHistPlacements), text::tr(text::TxHistVideos),
            text::tr(text::TxHistHours),      text::tr(text::TxHistReturnVisits),
            text::tr(text::TxHistStudies),    text::tr(text::TxHistCredit)};
}

std::string HistoryEditorModel::totalsNote() const {
    return totals_ ? text::tr(text::TxHistTotalsNote) : std::string();
}

std::vector<std::string> HistoryEditorModel::categoryNames() const {
    return {text::tr(text::TxHistCatPublishers), text::tr(text::TxHistCatAuxiliary),
            text::tr(text::TxHistCatRegular), text::tr(text::TxHistCatSpecial)};
}

std::vector<std::string> HistoryEditorModel::monthNames() const {
    std::vector<std::string> names;
    for (int m = 0; m < 12; ++m) names.push_back(text::monthName(m));
    return names;
}

std::vector<int> HistoryEditorModel::yearRows() const {
    const int year = doc_.reportMonth().reportYear();
    return {year - 2, year - 1, year};
}

void HistoryEditorModel::select(int publisherRow, int month0, int yearRow) {
    if (publisherRow >= 0 && publisherRow < static_cast<int>(publishers_.size()))
        publisher_ = publisherRow;
    if (month0 >= 0 && month0 <= 11) month0_ = month0;
    if (yearRow >= 0 && yearRow <= 2) yearRow_ = yearRow;
    loadSlot();
}

int HistoryEditorModel::stamp() const {
    return stampOf(yearRows()[yearRow_], month0_);
}

int HistoryEditorModel::slot() const {
    return monthSlot(month0_, parityOfYear(yearRows()[yearRow_]));
}

bool HistoryEditorModel::slotHeld() const {
    // A record holds 24 months; an older or a later month shares its slot
    // with one of them and would overwrite it.
    const int back = doc_.reportMonth().reportStamp - stamp();
    return back >= 0 && back < 24;
}

bool HistoryEditorModel::newForm() const {
    return stamp() > kNewFormatFromStamp;
}

bool HistoryEditorModel::underHourVisible() const {
    return !newForm() && values_.hours == 0;
}

bool HistoryEditorModel::lateVisible() const {
    const PublisherRecord* r = record();
    return r && r->lateMark[slot()] == doc_.reportMonth().reportMonth0 + 1;
}

PublisherRecord* HistoryEditorModel::record() {
    if (publishers_.empty()) return nullptr;
    return doc_.store().recordById(publishers_[publisher_]);
}

const PublisherRecord* HistoryEditorModel::record() const {
    if (publishers_.empty()) return nullptr;
    return doc_.store().recordById(publishers_[publisher_]);
}

void HistoryEditorModel::loadSlot() {
    values_ = {};
    const PublisherRecord* r = record();
    if (!r || !slotHeld()) return;
    const int s = slot();
    values_.placements = r->placements[s];
    values_.videos = r->videos[s];
    values_.hours = r->hours[s];
    values_.returnVisits = r->returnVisits[s];
    values_.studies = r->studiesWord[s] & StudiesWord::StudiesMask;
    values_.credit = r->credit[s];
    values_.quarterHours = r->studiesWord[s] >> StudiesWord::QuarterShift;
    values_.kind = r->kindAt(s);
    values_.shared = r->studiesWord[s] & StudiesWord::SharedOrUnderHour;
    values_.late = lateVisible();
}

void HistoryEditorModel::setValues(const HistorySlot& values) {
    values_ = values;
    values_.quarterHours = std::clamp(values_.quarterHours, 0, 15);
    values_.kind = std::clamp(values_.kind, 0, 3);
    // "<1 h" belongs to months without hours.
    if (!newForm() && values_.hours > 0) values_.shared = false;
}

bool HistoryEditorModel::apply() {
    PublisherRecord* r = record();
    if (!r || !slotHeld() || totals_) return false;
    const int s = slot();
    const auto u16 = [](int v) { return static_cast<std::uint16_t>(std::clamp(v, 0, 65535)); };
    r->placements[s] = u16(values_.placements);
    r->videos[s] = u16(values_.videos);
    r->hours[s] = u16(values_.hours);
    r->returnVisits[s] = u16(values_.returnVisits);
    r->credit[s] = u16(values_.credit);
    r->studiesWord[s] = static_cast<std::uint16_t>(
        std::clamp(values_.studies, 0, static_cast<int>(StudiesWord::StudiesMask)) |
        (values_.shared ? StudiesWord::SharedOrUnderHour : 0) |
        (values_.quarterHours << StudiesWord::QuarterShift));
    r->serviceKind[s] = static_cast<std::uint8_t>((r->serviceKind[s] & ~0x03) | values_.kind);
    if (r->lateMark[s] == doc_.reportMonth().reportMonth0 + 1 && !values_.late) r->lateMark[s] = 0;
    doc_.dirty = true;
    return true;
}

void HistoryEditorModel::setTotalsMode(bool on) {
    totals_ = on;
    if (!on) loadSlot();
}

void HistoryEditorModel::setCategory(int category) {
    if (category >= 0 && category < CategoryTally::kCategories) category_ = category;
}

int HistoryEditorModel::totalValue(int value) const {
    if (value < 0 || value >= CategoryTally::kValues || !slotHeld()) return 0;
    const CategoryTally t = MonthlyHistory(doc_, month0_, parityOfYear(yearRows()[yearRow_]));
    return t.at(category_, value);
}

void HistoryEditorModel::setTotalValue(int value, int number) {
    if (!totals_ || value < 0 || value >= CategoryTally::kValues || !slotHeld()) return;
    const int parity = parityOfYear(yearRows()[yearRow_]);
    CategoryTally t = MonthlyHistory(doc_, month0_, parity);
    t.values[category_][value] = static_cast<std::uint16_t>(std::clamp(number, 0, 65535));
    setMonthlyHistory(doc_, month0_, parity, t);
    doc_.dirty = true;
}

}  // namespace velno
