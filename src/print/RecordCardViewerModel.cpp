#include "print/RecordCardViewerModel.h"

#include "print/RecordCardPrinting.h"
#include "store/CVelnoDoc.h"
#include "store/ExportsFolder.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/PrintTexts.h"

namespace velno::print {

RecordCardViewerModel::RecordCardViewerModel(const CVelnoDoc& doc) : doc_(doc) {
    fill();
}

void RecordCardViewerModel::fill() {
    rows_.clear();
    for (const int pos : cardPositions(doc_, inactive_))
        rows_.push_back({pos, text::cp1252ToUtf8(doc_.displayName(pos))});
    setCurrent(rows_.empty() ? -1 : 0);
}

void RecordCardViewerModel::setCurrent(int row) {
    current_ = row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1;
    currentId_ = current_ >= 0 ? doc_.store().at(rows_[current_].pos).id : 0;
}

void RecordCardViewerModel::reload() {
    const PublisherId id = currentId_;
    fill();
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (id != 0 && doc_.store().at(rows_[i].pos).id == id) setCurrent(static_cast<int>(i));
}

void RecordCardViewerModel::setInactive(bool on) {
    if (on == inactive_) return;
    inactive_ = on;
    fill();
}

CardJob RecordCardViewerModel::thisCard() const {
    CardJob job;
    job.previous = previous_;
    job.inactive = inactive_;
    job.summary = total_;
    if (!total_ && current_ >= 0) job.positions = {rows_[current_].pos};
    return job;
}

CardJob RecordCardViewerModel::someCards(const std::vector<int>& rows) const {
    CardJob job;
    job.previous = previous_;
    for (const int r : rows)
        if (r >= 0 && r < static_cast<int>(rows_.size())) job.positions.push_back(rows_[r].pos);
    return job;
}

CardJob RecordCardViewerModel::fileCards(bool inactiveFile) const {
    CardJob job;
    job.previous = previous_;
    job.inactive = inactiveFile;
    job.positions = cardPositions(doc_, inactiveFile);
    return job;
}

std::filesystem::path RecordCardViewerModel::proposedPdf(bool inactiveFile) const {
    const int year = currentServiceYear(doc_) - (previous_ ? 1 : 0);
    const std::string name =
        text::arg(text::tr(inactiveFile ? text::TxCardFileInactive : text::TxCardFileActive),
                  std::to_string(year));
    return exportsFolder(doc_) / name;
}

CardPreferencesModel::CardPreferencesModel(const CVelnoDoc& doc)
    : options(CardOptions::fromSettings(doc.settings())) {}

bool CardPreferencesModel::accept(CVelnoDoc& doc) const {
    const bool changed = options.storeInto(doc.settings());
    if (changed) doc.dirty = true;
    return changed;
}

}  // namespace velno::print
