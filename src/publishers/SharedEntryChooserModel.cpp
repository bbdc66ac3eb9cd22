#include "publishers/SharedEntryChooserModel.h"

#include "text/Cp1252.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

SharedEntryChooserModel::SharedEntryChooserModel(const CVelnoDoc& doc, Mode mode,
                                                 std::uint16_t preselect)
    : mode_(mode),
      rows_(sharedEntryRows(doc, mode == Mode::Contacts ? SharedKind::Contact : SharedKind::Need)),
      includeAll_(mode == Mode::NeedsReport) {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        lines_.push_back(text::cp1252ToUtf8(rows_[i].text));
        if (preselect != 0 && rows_[i].key == preselect) selected_ = static_cast<int>(i);
    }
    if (selected_ >= 0) includeAll_ = false;
}

std::string SharedEntryChooserModel::title() const {
    return text::tr(mode_ == Mode::Contacts ? text::TxContactChooserTitle
                                            : text::TxNeedChooserTitle);
}

std::string SharedEntryChooserModel::includeAllText() const {
    return text::tr(text::TxNeedIncludeAll);
}

void SharedEntryChooserModel::select(int line) {
    if (line < -1 || line >= static_cast<int>(lines_.size())) return;
    selected_ = line;
    // Choosing a need unchecks "Sertakan semuanya".
    if (line >= 0) includeAll_ = false;
}

void SharedEntryChooserModel::setIncludeAll(bool on) {
    if (mode_ != Mode::NeedsReport) return;
    includeAll_ = on;
    if (on) selected_ = -1;
}

bool SharedEntryChooserModel::okEnabled() const {
    return selected_ >= 0 || (mode_ == Mode::NeedsReport && includeAll_);
}

std::uint16_t SharedEntryChooserModel::ok() const {
    if (selected_ < 0 || includeAll_) return 0;
    return rows_[selected_].key;
}

}  // namespace velno
