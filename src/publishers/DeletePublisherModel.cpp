#include "publishers/DeletePublisherModel.h"

#include "publishers/PublisherMoves.h"
#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

DeletePublisherModel::DeletePublisherModel(const CVelnoDoc& doc, int pos)
    : title_(text::cp1252ToUtf8(doc.displayName(pos))),
      lastYear_(doc.reportMonth().reportYear()),
      month_(doc.reportMonth().reportMonth0 + 1),
      year_(doc.reportMonth().reportYear()) {
    if (title_.empty()) title_ = text::tr(text::TxDeleteTitle);
}

std::string DeletePublisherModel::permanentText() const {
    return text::tr(text::TxDeletePermanent);
}

std::string DeletePublisherModel::temporaryText() const {
    return text::tr(text::TxDeleteTemporary);
}

std::vector<std::string> DeletePublisherModel::monthLines() const {
    std::vector<std::string> out{""};
    for (int m = 0; m < 12; ++m) out.push_back(text::monthShortName(m));
    return out;
}

void DeletePublisherModel::setMonthLine(int line) {
    if (line >= 0 && line <= 12) month_ = line;
}

std::vector<std::string> DeletePublisherModel::yearLines() const {
    std::vector<std::string> out;
    for (int y = kFirstYear; y <= lastYear_; ++y) out.push_back(std::to_string(y));
    return out;
}

void DeletePublisherModel::setYearLine(int line) {
    if (line >= 0 && kFirstYear + line <= lastYear_) year_ = kFirstYear + line;
}

bool applyDeletion(CVelnoDoc& doc, int pos, const DeleteChoice& choice) {
    if (choice.kind == DeleteKind::Permanent) return deletePermanently(doc, pos);
    return deleteTemporarily(doc, pos, choice.month, choice.year);
}

}  // namespace velno
