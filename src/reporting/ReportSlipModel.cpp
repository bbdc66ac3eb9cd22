#include "reporting/ReportSlipModel.h"

#include <algorithm>

#include "reporting/CollectionState.h"
#include "reporting/LateReports.h"
#include "reporting/MonthPhrase.h"
#include "reporting/PioneerCredit.h"
#include "reporting/ReportPredicates.h"
#include "reporting/TallyMonth.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/ReportingTexts.h"

namespace velno {

int leadingNumber(const std::string& text, int limit) {
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = std::min<long>(value * 10 + (c - '0'), limit);
    }
    return static_cast<int>(value);
}

bool ReportSlipModel::monthOpen(const CVelnoDoc& doc) {
    return reportMonthState(doc) == Collection::Open;
}

bool ReportSlipModel::takesReports(const CVelnoDoc& doc, int storePos) {
    const RecordStore& store = doc.store();
    return storePos > 0 && storePos < store.recordCount() &&
           store.at(storePos).listKind == ListActive;
}

ReportSlipModel::ReportSlipModel(CVelnoDoc& doc, int storePos)
    : doc_(doc), language_(interfaceLanguage()) {
    if (storePos <= 0 || storePos >= doc.store().recordCount()) {
        closed_ = true;
        return;
    }
    id_ = doc.store().at(storePos).id;
    name_ = text::cp1252ToUtf8(doc.displayName(storePos));
    const ReportMonth& month = doc.reportMonth();
    load(month.reportMonth0, month.parity());
}

void ReportSlipModel::setLanguageCode(std::string code) {
    language_ = std::move(code);
    buildInfo();
}

void ReportSlipModel::load(int month0, int parity) {
    const PublisherRecord* stored = doc_.store().recordById(id_);
    if (!stored) {
        closed_ = true;
        return;
    }
    copy_ = *stored;
    month0_ = month0;
    parity_ = parity;
    slot_ = monthSlot(month0, parity);
    kind_ = copy_.kindAt(slot_);
    missionary_ = copy_.categoryBits & CategoryBit::Missionary;
    const std::uint16_t word = copy_.studiesWord[slot_];
    const int studies = word & StudiesWord::StudiesMask;
    // Older data may carry numbers without the participation bit.
    shared_ = (word & StudiesWord::SharedOrUnderHour) || copy_.hours[slot_] > 0 || studies > 0;
    auxiliary_ = kind_ == ServiceAuxiliary;
    hours_ = std::to_string(copy_.hours[slot_]);
    studies_ = std::to_string(studies);
    credit_ = kind_ == ServiceRegular ? copy_.credit[slot_] : 0;
    remark_ = storedRemark();
    remarkChanged_ = false;
    applyCredit();
    buildInfo();
}

std::string ReportSlipModel::storedRemark() const {
    const PublisherRecord* stored = doc_.store().recordById(id_);
    if (!stored) return {};
    const int k = stored->remarkIndex[slot_];
    if (!doc_.remarks().hasText(k)) return {};
    return std::string(trimmed(doc_.remarks().at(k).textString()));
}

bool ReportSlipModel::isLateMonth() const {
    return month0_ != doc_.reportMonth().reportMonth0;
}

void ReportSlipModel::buildInfo() {
    info_.clear();
    carried_ = true;
    const PublisherRecord* stored = doc_.store().recordById(id_);
    if (!stored) return;
    const ReportMonth& month = doc_.reportMonth();
    const std::string reportMonthName = monthInPhrase(month.reportMonth0, language_);
    const bool reported = IsReported(*stored, month0_, parity_);
    if (reported)
        info_.push_back(
            text::arg(text::tr(text::TxReminder), monthInPhrase(month0_, language_), name_));
    const bool special =
        stored->kindAt(month.slot()) == ServiceSpecial || stored->kindAt(slot_) == ServiceSpecial;
    if (special) {
        info_.push_back(text::tr(text::TxSpecialNotIncluded));
        carried_ = false;
    } else if (isLateMonth()) {
        // A month already reported is not counted again, unless its late
        // report is the one being corrected.
        carried_ = !reported || hasLateReport(doc_, id_, month0_);
        info_.push_back(
            text::arg(text::tr(carried_ ? text::TxChangesIncluded : text::TxChangesNotIncluded),
                      reportMonthName));
    } else if (reported) {
        info_.push_back(text::arg(text::tr(text::TxChangesIncluded), reportMonthName));
    }
}

void ReportSlipModel::applyCredit() {
    if (kind_ != ServiceRegular) {
        credit_ = 0;
        return;
    }
    const CreditResult r = applyCreditRule(leadingNumber(hours_, 65535), credit_, remark_);
    credit_ = r.credit;
    remark_ = r.remark;
}

int ReportSlipModel::effectiveKind() const {
    if (kind_ == ServicePublisher || kind_ == ServiceAuxiliary)
        return auxiliary_ ? ServiceAuxiliary : ServicePublisher;
    return kind_;
}

// ---- texts -------------------------------------------------------------------

std::string ReportSlipModel::monthText() const {
    return text::monthName(month0_);
}
std::string ReportSlipModel::lateMonthButtonText() const {
    return text::tr(text::TxLateMonthButton);
}
std::string ReportSlipModel::hoursCaption() const {
    return text::tr(text::TxHoursCaption);
}
std::string ReportSlipModel::studiesCaption() const {
    return text::tr(text::TxStudiesCaption);
}
std::string ReportSlipModel::sharedCaption() const {
    return text::tr(text::TxSharedCaption);
}
std::string ReportSlipModel::sharedTooltip() const {
    return text::tr(text::TxSharedTooltip);
}
std::string ReportSlipModel::auxiliaryCaption() const {
    return text::tr(text::TxAuxiliaryCheck);
}

std::string ReportSlipModel::pioneerLabel() const {
    if (kind_ == ServiceRegular) return text::tr(text::TxRegularPioneer);
    if (kind_ == ServiceSpecial) return text::tr(text::TxSpecialPioneer);
    if (missionary_) return text::tr(text::TxMissionary);
    return {};
}

std::string ReportSlipModel::privilegeLabel() const {
    switch (copy_.privilege()) {
        case PrivilegeServant:
            return text::tr(text::TxServant);
        case PrivilegeElder:
            return text::tr(text::TxElder);
        case PrivilegeBaptizedBrother:
            return text::tr(text::TxBaptizedBrother);
        default:
            return {};
    }
}

std::string ReportSlipModel::groupLabel() const {
    if (copy_.group == 0) return {};
    return text::tr(text::TxGroupWord) + text::formatPrintf(" %d", copy_.group);
}

std::string ReportSlipModel::creditText() const {
    return creditLabel(credit_);
}

std::string ReportSlipModel::remarkText() const {
    return text::cp1252ToUtf8(remark_);
}

bool ReportSlipModel::auxiliaryCheckVisible() const {
    return kind_ != ServiceRegular && kind_ != ServiceSpecial && !missionary_;
}

bool ReportSlipModel::hoursVisible() const {
    return shared_ && (effectiveKind() != ServicePublisher || missionary_);
}

std::vector<std::string> ReportSlipModel::monthListEntries() const {
    std::vector<std::string> names;
    for (int m = 0; m < 12; ++m) names.push_back(text::monthName(m));
    return names;
}

// ---- edits -------------------------------------------------------------------

void ReportSlipModel::setShared(bool on) {
    shared_ = on;
    if (!on) {
        hours_ = '0';
        studies_ = '0';
    }
}

void ReportSlipModel::setHoursText(const std::string& value) {
    hours_ = value;
    if (leadingNumber(hours_, 65535) > 0) shared_ = true;
}

void ReportSlipModel::setStudiesText(const std::string& value) {
    studies_ = value;
}

void ReportSlipModel::hoursFocusLost() {
    applyCredit();
}

SlipKeyAction ReportSlipModel::onKey(SlipControl control, SlipKey key) {
    switch (key) {
        case SlipKey::Enter:
            return control == SlipControl::Ok || control == SlipControl::Studies
                       ? SlipKeyAction::Save
                       : SlipKeyAction::FocusNext;
        case SlipKey::Right:
            return control == SlipControl::Studies ? SlipKeyAction::FocusShared
                                                   : SlipKeyAction::FocusNext;
        case SlipKey::Left:
            return control == SlipControl::Shared ? SlipKeyAction::FocusStudies
                                                  : SlipKeyAction::FocusPrevious;
        default:
            break;
    }
    const bool numberField = control == SlipControl::Hours || control == SlipControl::Studies;
    if (!numberField) return SlipKeyAction::Insert;
    switch (key) {
        case SlipKey::Digit:
        case SlipKey::Backspace:
        case SlipKey::Period:
            return SlipKeyAction::Insert;
        case SlipKey::Space:
        case SlipKey::Delete:
            if (control == SlipControl::Hours)
                hours_ = '0';
            else
                studies_ = '0';
            return SlipKeyAction::ReplacedByZero;
        default:
            return SlipKeyAction::Ignore;
    }
}

void ReportSlipModel::beginRemark() {
    remarkEditing_ = true;
}

SlipSaveResult ReportSlipModel::finishRemark(const std::string& utf8) {
    const text::Cp1252Result converted = text::utf8ToCp1252(utf8);
    if (!converted.ok) {
        // The editor stays open so the text can be corrected.
        doc_.prompter().tell(converted.error, Icon::Warning);
        return {};
    }
    remarkEditing_ = false;
    std::string cut = converted.bytes.substr(0, kRemarkLength);
    if (cut != remark_) remarkChanged_ = true;
    remark_ = cut;
    if (remark_.empty()) credit_ = 0;
    return save();
}

void ReportSlipModel::showMonthList() {
    monthList_ = true;
}

void ReportSlipModel::chooseMonth(int month0) {
    monthList_ = false;
    if (month0 < 0 || month0 > 11) return;
    const ReportMonth& month = doc_.reportMonth();
    const int year = mostRecentYear(month0, month.reportMonth0, month.reportYear());
    load(month0, parityOfYear(year));
}

// ---- saving ------------------------------------------------------------------

bool ReportSlipModel::storeRemark(bool& refused) {
    const std::string want = remark_.substr(0, kRemarkLength);
    if (want == storedRemark()) return false;
    RemarkTable& remarks = doc_.remarks();
    const PublisherRecord* stored = doc_.store().recordById(id_);
    const int current = stored ? stored->remarkIndex[slot_] : 0;
    RemarkEntry entry{};
    setFieldText(entry.text, want);
    entry.month = static_cast<std::uint8_t>(month0_ + 1);
    entry.parity = static_cast<std::uint8_t>(parity_);
    entry.id = id_;
    if (current > 0 && current < remarks.count()) {
        remarks.at(current) = entry;
        doc_.reportWriteFailure(RemarkTable::writeRemark(doc_.folder(), entry));
        copy_.remarkIndex[slot_] = want.empty() ? 0 : static_cast<std::uint16_t>(current);
        return true;
    }
    copy_.remarkIndex[slot_] = 0;
    if (want.empty()) return true;
    const int k = remarks.count() >= kRemarkTableLimit ? 0 : remarks.append(entry);
    if (k == 0) {
        doc_.prompter().tell(text::tr(text::TxNoRoomForRemark), Icon::Warning);
        refused = true;
        return true;
    }
    doc_.reportWriteFailure(RemarkTable::writeRemark(doc_.folder(), entry));
    copy_.remarkIndex[slot_] = static_cast<std::uint16_t>(k);
    return true;
}

SlipSaveResult ReportSlipModel::save() {
    SlipSaveResult result;
    if (closed_) return result;
    PublisherRecord* stored = doc_.store().recordById(id_);
    if (!stored) {
        closed_ = true;
        return result;
    }
    applyCredit();
    const int hours = leadingNumber(hours_, 65535);
    const int studies = leadingNumber(studies_, StudiesWord::StudiesMask);
    copy_.hours[slot_] = static_cast<std::uint16_t>(hours);
    // Quarter hours are the history editor's; the slip clears them.
    copy_.studiesWord[slot_] = static_cast<std::uint16_t>(
        studies | (shared_ || hours || studies ? StudiesWord::SharedOrUnderHour : 0));
    if (kind_ == ServicePublisher || kind_ == ServiceAuxiliary)
        copy_.serviceKind[slot_] = static_cast<std::uint8_t>((copy_.serviceKind[slot_] & ~0x03) |
                                                             (auxiliary_ ? ServiceAuxiliary : 0));
    copy_.credit[slot_] = static_cast<std::uint16_t>(credit_);
    const bool remarkStored = storeRemark(result.remarkRefused);

    const int s = slot_;
    const bool differs =
        copy_.placements[s] != stored->placements[s] || copy_.videos[s] != stored->videos[s] ||
        copy_.hours[s] != stored->hours[s] || copy_.returnVisits[s] != stored->returnVisits[s] ||
        copy_.studiesWord[s] != stored->studiesWord[s] ||
        copy_.serviceKind[s] != stored->serviceKind[s] || copy_.credit[s] != stored->credit[s];
    if (differs || remarkStored || remarkChanged_) {
        *stored = copy_;
        if (isLateMonth() && carried_) {
            AddLateReport(doc_, id_, month0_);
            result.carriedLate = true;
        }
        doc_.documentCounter = id_;  // the last publisher entered
        doc_.dirty = true;
        result.changed = true;
    }
    TallyMonth(doc_);
    closed_ = true;
    return result;
}

}  // namespace velno
