#include "store/ReportFormatModel.h"

#include <algorithm>

#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/Utf8.h"
#include "text/texts/StoreTexts.h"

namespace velno {

namespace {

constexpr text::TextId kCheckTexts[ReportFormatModel::kCheckCount] = {
    text::TxFormatFamilyNameFirst, text::TxFormatIncludeDates,     text::TxFormatAlternativeDate,
    text::TxFormatLabelBirthDate,  text::TxFormatLabelAlternative, text::TxFormatGrid,
    text::TxFormatIncompleteBoxes, text::TxFormatDateStamp,        text::TxFormatEmergencySY,
};

int clampRow(int value) {
    return std::clamp(value, 0, ReportFormatModel::kMarginRows - 1);
}

}  // namespace

ReportFormatModel::ReportFormatModel(const CVelnoDoc& doc) {
    const Settings& s = doc.settings();
    const ViewOptions& v = doc.viewOptions();
    checks_[FamilyNameFirst] = v.bytes[0] != 0;
    checks_[IncludeDates] = v.bytes[6] != 0;
    checks_[AlternativeDate] = v.bytes[5] != 0;
    checks_[LabelBirthDate] = s.labelBirthDate != 0;
    checks_[LabelAlternative] = s.labelAlternative != 0;
    checks_[Grid] = s.showGrid != 0;
    checks_[IncompleteBoxes] = s.incompleteBoxes != 0;
    checks_[DateStamp] = s.dateStamp != 0;
    checks_[EmergencySY] = s.emergencySY != 0;
    const int stored[kMarginCount] = {s.topMargin, s.labelLeftMargin};
    for (int m = 0; m < kMarginCount; ++m) {
        lists_[m].stored = stored[m];
        lists_[m].firstVisible = clampRow(stored[m]);
    }
    for (int i = 0; i < kMarginRows; ++i) rows_.push_back(text::formatPrintf("%02d", i));
    name_ = text::cp1252ToUtf8(s.congregationName);
}

std::string ReportFormatModel::title() const {
    return text::tr(text::TxFormatTitle);
}

std::string ReportFormatModel::checkText(Check check) const {
    return text::tr(kCheckTexts[check]);
}

bool ReportFormatModel::isVisible(Check) const {
    // The emergency-contact option is part of this build's dialog too.
    return true;
}

void ReportFormatModel::setChecked(Check check, bool on) {
    checks_[check] = on;
    if (check == LabelAlternative && on) checks_[LabelBirthDate] = true;
    if (check == LabelBirthDate && !on) checks_[LabelAlternative] = false;
}

std::string ReportFormatModel::marginCaption(Margin margin) const {
    return text::tr(margin == TopMargin ? text::TxFormatTopMargin : text::TxFormatLabelMargin);
}

void ReportFormatModel::scrollMargin(Margin margin, int firstVisible) {
    lists_[margin].firstVisible = clampRow(firstVisible);
    lists_[margin].touched = true;
}

void ReportFormatModel::selectMargin(Margin margin, int row) {
    if (row < 0 || row >= kMarginRows) return;
    lists_[margin].selected = row;
    lists_[margin].touched = true;
}

int ReportFormatModel::marginValue(Margin margin) const {
    const List& list = lists_[margin];
    if (!list.touched) return list.stored;
    return list.selected ? *list.selected : list.firstVisible;
}

std::string ReportFormatModel::congregationNameCaption() const {
    return text::tr(text::TxFormatCongregationName);
}

bool ReportFormatModel::setCongregationName(std::string_view text) {
    const std::string cut(text.substr(0, text::utf8PrefixBytes(text, kCongregationNameLength)));
    if (!text::utf8ToCp1252(cut).ok) return false;
    name_ = cut;
    return true;
}

bool ReportFormatModel::ok(CVelnoDoc& doc) const {
    Settings& s = doc.settings();
    ViewOptions& v = doc.viewOptions();
    bool changed = false;
    const auto store = [&](auto& target, auto value) {
        if (target != value) {
            target = value;
            changed = true;
        }
    };
    const auto flag = [&](Check c) { return checks_[c] ? 1 : 0; };
    store(v.bytes[0], static_cast<std::uint8_t>(flag(FamilyNameFirst)));
    store(v.bytes[6], static_cast<std::uint8_t>(flag(IncludeDates)));
    store(v.bytes[5], static_cast<std::uint8_t>(flag(AlternativeDate)));
    store(s.labelBirthDate, flag(LabelBirthDate));
    store(s.labelAlternative, flag(LabelAlternative));
    store(s.showGrid, flag(Grid));
    store(s.incompleteBoxes, flag(IncompleteBoxes));
    store(s.dateStamp, flag(DateStamp));
    store(s.emergencySY, flag(EmergencySY));
    store(s.topMargin, marginValue(TopMargin));
    store(s.labelLeftMargin, marginValue(LabelMargin));
    store(s.congregationName, std::string(trimmed(text::utf8ToCp1252(name_).bytes)));
    if (changed) doc.dirty = true;
    return changed;
}

}  // namespace velno
