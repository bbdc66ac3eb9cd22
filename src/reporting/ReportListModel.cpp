#include "reporting/ReportListModel.h"

#include "reporting/CollectionState.h"
#include "reporting/ReportPredicates.h"
#include "reporting/TallyMonth.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/ReportingTexts.h"

namespace velno {

ReportListModel::ReportListModel(CVelnoDoc& doc) : doc_(doc) {
    const ReportMonth& month = doc.reportMonth();
    doc.header().setCollectionState(month0OfStamp(month.reportStamp + 2),
                                    Collection::NotInitialised);
    TallyMonth(doc);
    refresh();
}

std::string ReportListModel::title() const {
    const int active = static_cast<int>(doc_.store().subList(ListActive).size());
    return text::arg(text::tr(text::TxReportListTitle),
                     text::monthName(doc_.reportMonth().reportMonth0)) +
           text::arg(text::tr(text::TxActiveCount), std::to_string(active)) +
           text::tr(text::TxActivePublishers);
}

std::string ReportListModel::closeButtonText() const {
    return text::arg(text::tr(text::TxCloseCollectionFor),
                     text::monthName(doc_.reportMonth().reportMonth0));
}

std::string ReportListModel::xmlButtonText() const {
    return text::arg(text::tr(text::TxAddFromXml),
                     text::monthName(doc_.reportMonth().reportMonth0));
}

std::string ReportListModel::onlyNotReportedCaption() const {
    return text::tr(text::TxOnlyNotReported);
}

std::string ReportListModel::lastEnteredCaption() const {
    return text::tr(text::TxLastEnteredBox);
}

std::string ReportListModel::lastEnteredName() const {
    const int pos = doc_.store().storePosById(doc_.documentCounter);
    return pos > 0 ? text::cp1252ToUtf8(doc_.displayName(pos)) : std::string();
}

std::vector<std::string> ReportListModel::groupEntries() const {
    std::vector<std::string> entries{text::tr(text::TxWholeCongregation)};
    const GroupTable& groups = doc_.groups();
    for (int n = 1; n <= groups.count() && n <= GroupTable::kCapacity; ++n) {
        std::string label = text::tr(text::TxGroupWord) + text::formatPrintf(" %d", n);
        const GroupFile& g = groups.data();
        const std::string name(trimmed(fieldText(g.name[n - 1])));
        const std::string overseer(trimmed(fieldText(g.overseer[n - 1])));
        // The group's own name when it is shown by name, else its overseer.
        const std::string& extra = g.showName[n - 1] == 1 && name.size() > 1 ? name : overseer;
        if (!extra.empty()) label += " - " + text::cp1252ToUtf8(extra);
        entries.push_back(label);
    }
    return entries;
}

void ReportListModel::setGroupIndex(int index) {
    if (index < 0 || index > doc_.groups().count()) index = 0;
    groupIndex_ = index;
    refresh();
}

void ReportListModel::setOnlyNotReported(bool on) {
    onlyNotReported_ = on;
    refresh();
}

void ReportListModel::select(int row) {
    if (row >= 0 && row < static_cast<int>(rows_.size())) selected_ = row;
}

void ReportListModel::refresh() {
    rows_.clear();
    const RecordStore& store = doc_.store();
    const ReportMonth& month = doc_.reportMonth();
    for (int pos : store.subList(ListActive)) {
        const PublisherRecord& r = store.at(pos);
        if (groupIndex_ > 0 && r.group != groupIndex_) continue;
        if (onlyNotReported_ && (IsReported(r, month.reportMonth0, month.parity()) ||
                                 HasRemark(r, doc_.remarks(), month.reportMonth0, month.parity())))
            continue;
        rows_.push_back({pos, r.id, text::cp1252ToUtf8(doc_.displayName(pos))});
    }
    if (selected_ >= static_cast<int>(rows_.size())) selected_ = 0;
}

ReportSlipModel ReportListModel::openSlip() {
    const int pos = rows_.empty() ? 0 : rows_[selected_].storePos;
    return ReportSlipModel(doc_, pos);
}

void ReportListModel::slipClosed() {
    if (onlyNotReported_) refresh();
}

void ReportListModel::closeCollection() {
    CloseCollection(doc_);
    closed_ = true;
}

}  // namespace velno
