#include "publishers/ReportGroupPickerModel.h"

#include <algorithm>

#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/AppTexts.h"

namespace velno {

ReportGroupPickerModel::ReportGroupPickerModel(const CVelnoDoc& doc, int preselected,
                                               bool forPrinting)
    : forPrinting_(forPrinting) {
    const int count = std::clamp(doc.groups().count(), 0, 20);
    for (int g = 1; g <= count; ++g)
        rows_.push_back(text::cp1252ToUtf8(doc.groups().displayName(g)));
    if (!rows_.empty()) row_ = preselected >= 1 && preselected <= count ? preselected - 1 : 0;
}

std::string ReportGroupPickerModel::title() const {
    return text::tr(text::TxGroupPickerTitle);
}

void ReportGroupPickerModel::select(int row) {
    if (row >= 0 && row < static_cast<int>(rows_.size())) row_ = row;
}

std::string ReportGroupPickerModel::printAllText() const {
    return text::tr(text::TxPrintWord) +
           text::formatPrintf(" 1 - %d", static_cast<int>(rows_.size()));
}

std::string ReportGroupPickerModel::printOneText() const {
    return text::tr(text::TxPrintWord) +
           text::formatPrintf(" %s %d", text::tr(text::TxNumberSign).c_str(), group());
}

std::string ReportGroupPickerModel::okText() const {
    return text::tr(text::TxButtonOk);
}

std::string ReportGroupPickerModel::cancelText() const {
    return text::tr(text::TxButtonCancel);
}

}  // namespace velno
