#include "exchange/XmlChooserModel.h"

#include <algorithm>

#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/AppTexts.h"
#include "text/texts/ExchangeTexts.h"

namespace velno {

namespace {

constexpr XmlList kLists[3] = {XmlList::Active, XmlList::Inactive, XmlList::NonPublishers};

std::string listLabel(XmlList list) {
    switch (list) {
        case XmlList::Inactive:
            return text::tr(text::TxListInactive);
        case XmlList::NonPublishers:
            return text::tr(text::TxListBibleStudents);
        case XmlList::Active:
            break;
    }
    return text::tr(text::TxXmlActiveList);
}

int listLimit(XmlList list) {
    return list == XmlList::NonPublishers ? 99 : 299;
}

}  // namespace

XmlChooserModel::XmlChooserModel(const CVelnoDoc& doc) : doc_(doc) {
    for (XmlList l : kLists) sideRows_.push_back(listLabel(l));
    fill();
}

XmlChooserModel::XmlChooserModel(const CVelnoDoc& doc, const XmlPublisherList& file,
                                 std::vector<int> linked)
    : doc_(doc), import_(true), list_(file.list), linked_(std::move(linked)), file_(file) {
    linked_.resize(file_.pubs.size(), 0);
    sideRows_.push_back(listLabel(list_));
    fill();
}

void XmlChooserModel::fill() {
    rows_.clear();
    values_.clear();
    if (import_) {
        for (std::size_t k = 0; k < file_.pubs.size(); ++k) {
            const auto& e = file_.pubs[k];
            std::string row = text::cp1252ToUtf8(e.lname + ", " + e.fname);
            if (linked_[k] > 0) row += " *";
            rows_.push_back(std::move(row));
            values_.push_back(static_cast<int>(k));
        }
    } else {
        const ListKind kind = xmlListKind(list_);
        for (int pos = 1; pos < doc_.store().recordCount(); ++pos) {
            if (doc_.store().at(pos).listKind != kind) continue;
            rows_.push_back(text::cp1252ToUtf8(doc_.displayName(pos, true)));
            values_.push_back(pos);
        }
    }
    selected_.assign(rows_.size(), false);
}

std::string XmlChooserModel::title() const {
    return text::tr(import_ ? text::TxMImportXml : text::TxMExportXml);
}

std::string XmlChooserModel::selectAllText() const {
    return text::tr(text::TxXmlSelectAll);
}

std::string XmlChooserModel::selectNoneText() const {
    return text::tr(text::TxXmlSelectNone);
}

void XmlChooserModel::chooseSide(int row) {
    if (import_ || row < 0 || row >= static_cast<int>(sideRows_.size()) || row == sideRow_) return;
    sideRow_ = row;
    list_ = kLists[row];
    fill();
}

bool XmlChooserModel::isSelected(int row) const {
    return row >= 0 && row < static_cast<int>(selected_.size()) &&
           selected_[static_cast<std::size_t>(row)];
}

void XmlChooserModel::setSelected(int row, bool selected) {
    if (row >= 0 && row < static_cast<int>(selected_.size()))
        selected_[static_cast<std::size_t>(row)] = selected;
}

void XmlChooserModel::selectAll() {
    std::fill(selected_.begin(), selected_.end(), true);
}

void XmlChooserModel::selectNone() {
    std::fill(selected_.begin(), selected_.end(), false);
}

int XmlChooserModel::selectedCount() const {
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

int XmlChooserModel::selectedDuplicates() const {
    if (!import_) return 0;
    int n = 0;
    for (std::size_t k = 0; k < selected_.size(); ++k)
        if (selected_[k] && linked_[k] > 0) ++n;
    return n;
}

std::string XmlChooserModel::duplicatesLine() const {
    return text::formatPrintf("%s (%d)", text::tr(text::TxXmlDuplicates).c_str(),
                              selectedDuplicates());
}

std::string XmlChooserModel::summaryLine() const {
    const int onFile = doc_.store().countList(xmlListKind(list_));
    const int coming = selectedCount() - (replace_ ? selectedDuplicates() : 0);
    return text::formatPrintf("%s %d + %d = %d", listLabel(list_).c_str(), onFile, coming,
                              onFile + coming);
}

bool XmlChooserModel::tooMany() const {
    if (!import_) return false;
    const int onFile = doc_.store().countList(xmlListKind(list_));
    const int coming = selectedCount() - (replace_ ? selectedDuplicates() : 0);
    return onFile + coming > listLimit(list_);
}

std::string XmlChooserModel::tooManyText() const {
    return text::tr(text::TxXmlTooMany);
}

std::string XmlChooserModel::countLine() const {
    return text::arg(text::tr(text::TxChooserSelected), std::to_string(selectedCount()));
}

std::vector<int> XmlChooserModel::result() const {
    std::vector<int> out;
    for (std::size_t k = 0; k < selected_.size(); ++k)
        if (selected_[k]) out.push_back(values_[k]);
    return out;
}

}  // namespace velno
