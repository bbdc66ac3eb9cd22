#include "exchange/ColumnMapModel.h"

#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/ExchangeTexts.h"

namespace velno {

namespace {

constexpr int kTargetTexts[kCsvTargets] = {
    text::TxTargetFirstName, text::TxTargetLastName, text::TxTargetShared, text::TxTargetStudies,
    text::TxTargetHours,     text::TxTargetRemark,   text::TxTargetName,   text::TxTargetLastFirst};

constexpr std::size_t kHeaderKept = vnmap::kHeaderWidth - 1;

std::string keptHeader(const std::string& text) {
    return text.substr(0, kHeaderKept);
}

}  // namespace

ColumnMapModel::ColumnMapModel(std::vector<std::string> header, const ColumnMap* saved)
    : header_(std::move(header)) {
    if (!saved) return;
    map_.rule = saved->rule;
    for (int t = 0; t < kCsvTargets; ++t) {
        const auto k = static_cast<std::size_t>(t);
        const int c = saved->column[k];
        if (c >= 0 && c < static_cast<int>(header_.size()) &&
            keptHeader(header_[static_cast<std::size_t>(c)]) == saved->header[k]) {
            map_.column[k] = c;
            map_.header[k] = saved->header[k];
        }
    }
}

std::string ColumnMapModel::targetLabel(int target, bool rule) {
    const std::string label = text::tr(kTargetTexts[target]);
    return target == TargetShared && rule ? "* -> " + label : label;
}

std::vector<std::string> ColumnMapModel::targetLines() const {
    std::vector<std::string> lines;
    for (int t = 0; t < kCsvTargets; ++t) {
        const std::string label = targetLabel(t, map_.rule);
        const int c = columnOf(t);
        lines.push_back(c < 0 ? label
                              : text::cp1252ToUtf8(header_[static_cast<std::size_t>(c)]) + " -> " +
                                    label);
    }
    return lines;
}

std::vector<std::string> ColumnMapModel::sourceLines() const {
    std::vector<std::string> lines;
    for (const auto& h : header_) lines.push_back(text::cp1252ToUtf8(h));
    return lines;
}

std::string ColumnMapModel::ruleText() const {
    return text::formatPrintf("* -> %s = %s > 0", text::tr(text::TxTargetShared).c_str(),
                              text::tr(text::TxTargetHours).c_str());
}

std::string ColumnMapModel::hintText() const {
    if (target_ < 0) return text::tr(text::TxSelectTarget);
    if (selectedColumn() < 0) return text::tr(text::TxSelectSource);
    return {};
}

int ColumnMapModel::selectedColumn() const {
    return target_ < 0 ? -1 : columnOf(target_);
}

bool ColumnMapModel::isComplete() const {
    auto has = [&](int t) { return columnOf(t) >= 0; };
    if (!has(TargetStudies) || !has(TargetHours) || !has(TargetRemark)) return false;
    if (!map_.rule && !has(TargetShared)) return false;
    return (has(TargetFirst) && has(TargetLast)) || has(TargetName) || has(TargetLastFirst);
}

CsvNameMode ColumnMapModel::nameMode() const {
    if (columnOf(TargetFirst) >= 0 && columnOf(TargetLast) >= 0) return CsvNameMode::Separate;
    if (columnOf(TargetLastFirst) >= 0) return CsvNameMode::LastFirst;
    return CsvNameMode::FirstLast;
}

void ColumnMapModel::selectTarget(int target) {
    target_ = target >= 0 && target < kCsvTargets ? target : -1;
}

void ColumnMapModel::selectColumn(int column) {
    if (target_ >= 0) assign(target_, column);
}

bool ColumnMapModel::assign(int target, int column) {
    if (target < 0 || target >= kCsvTargets || column < 0 ||
        column >= static_cast<int>(header_.size()))
        return false;
    for (int t = 0; t < kCsvTargets; ++t) {
        if (columnOf(t) == column) {
            map_.column[static_cast<std::size_t>(t)] = -1;
            map_.header[static_cast<std::size_t>(t)].clear();
        }
    }
    map_.column[static_cast<std::size_t>(target)] = column;
    map_.header[static_cast<std::size_t>(target)] =
        keptHeader(header_[static_cast<std::size_t>(column)]);
    return true;
}

void ColumnMapModel::setRule(bool on) {
    map_.rule = on;
    if (on) {
        map_.column[TargetShared] = -1;
        map_.header[TargetShared].clear();
    }
}

void ColumnMapModel::clear() {
    map_ = {};
}

FileResult ColumnMapModel::save(CVelnoDoc& doc) const {
    return saveColumnMap(doc, map_);
}

}  // namespace velno
