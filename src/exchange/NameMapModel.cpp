#include "exchange/NameMapModel.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/StringTable.h"
#include "text/texts/ExchangeTexts.h"

namespace velno {

namespace {

bool familyFirstOf(CsvNameMode mode, bool storeFamilyFirst) {
    switch (mode) {
        case CsvNameMode::Separate:
            return storeFamilyFirst;
        case CsvNameMode::FirstLast:
            return false;
        case CsvNameMode::LastFirst:
            break;
    }
    return true;
}

}  // namespace

std::string csvRowName(const CsvRow& row, const ColumnMap& map, CsvNameMode mode,
                       bool familyFirst) {
    if (!row.problem.empty()) return {};
    std::string name;
    if (mode == CsvNameMode::Separate) {
        const std::string first(csvField(row, map.column[TargetFirst]));
        const std::string last(csvField(row, map.column[TargetLast]));
        if (first.size() < 2 && last.size() < 2) return {};
        name = familyFirst ? last + ", " + first : first + " " + last;
    } else {
        name = csvField(row,
                        map.column[mode == CsvNameMode::LastFirst ? TargetLastFirst : TargetName]);
    }
    return name.substr(0, csv::kMaxName);
}

NameMapModel::NameMapModel(const CVelnoDoc& doc, const CsvTable& table, const ColumnMap& map,
                           CsvNameMode mode, std::vector<NameMapEntry> saved)
    : doc_(doc),
      table_(table),
      map_(map),
      mode_(mode),
      familyFirst_(doc.viewOptions().familyNameFirst()),
      saved_(std::move(saved)) {
    build();
}

void NameMapModel::build() {
    rows_.clear();
    left_.clear();
    right_.clear();
    leftSelected_ = rightSelected_ = -1;
    const RecordStore& store = doc_.store();
    const bool rowForm = familyFirstOf(mode_, familyFirst_);
    // The normal list's names in the rows' form, once.
    std::vector<std::pair<std::string, int>> names;
    std::unordered_map<std::string, int> byName;  // the first of equal names
    for (int pos = 1; pos < store.recordCount(); ++pos) {
        if (store.at(pos).listKind != ListActive) continue;
        names.emplace_back(displayNameOf(store.at(pos), rowForm), pos);
        byName.emplace(names.back().first, pos);
    }
    std::unordered_set<std::string> listed;
    std::vector<bool> matched(static_cast<std::size_t>(store.recordCount()), false);
    for (std::size_t g = 0; g < table_.rows.size(); ++g) {
        CsvRowEntry entry;
        entry.row = static_cast<int>(g + 1);
        entry.name = csvRowName(table_.rows[g], map_, mode_, familyFirst_);
        if (!entry.name.empty()) {
            if (const auto it = byName.find(entry.name); it != byName.end()) {
                entry.id = store.at(it->second).id;
                matched[static_cast<std::size_t>(it->second)] = true;
            } else if (listed.insert(entry.name).second) {
                left_.push_back({entry.name, 0});
            }
        }
        rows_.push_back(std::move(entry));
    }
    for (const auto& [name, pos] : names)
        if (!matched[static_cast<std::size_t>(pos)])
            right_.push_back({doc_.displayName(pos), store.at(pos).id});
    for (const NameMapEntry& e : saved_) {
        const auto l = std::find_if(left_.begin(), left_.end(),
                                    [&](const auto& u) { return u.name == e.csvName && !u.id; });
        const auto r = std::find_if(right_.begin(), right_.end(), [&](const auto& p) {
            return p.name == e.displayName && p.id == e.id;
        });
        if (l != left_.end() && r != right_.end())
            assignIndexes(static_cast<int>(l - left_.begin()),
                          static_cast<int>(r - right_.begin()));
    }
}

std::string NameMapModel::title() const {
    std::string t = text::tr(text::TxUnidentifiedCount);
    if (const auto at = t.find("%d"); at != std::string::npos)
        t.replace(at, 2, std::to_string(unassignedCount()));
    return t;
}

std::vector<std::string> NameMapModel::leftLines() const {
    std::vector<std::string> lines;
    for (const Unidentified& u : left_) {
        std::string line = text::cp1252ToUtf8(u.name);
        if (u.id) {
            const auto r = std::find_if(right_.begin(), right_.end(),
                                        [&](const auto& p) { return p.id == u.id; });
            if (r != right_.end()) line += " -> " + text::cp1252ToUtf8(r->name);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> NameMapModel::rightLines() const {
    std::vector<std::string> lines;
    for (const Publisher& p : right_) lines.push_back(text::cp1252ToUtf8(p.name));
    return lines;
}

std::string NameMapModel::selectedLeftText() const {
    return leftSelected_ < 0
               ? std::string()
               : text::cp1252ToUtf8(left_[static_cast<std::size_t>(leftSelected_)].name);
}

std::string NameMapModel::selectedRightText() const {
    return rightSelected_ < 0
               ? std::string()
               : text::cp1252ToUtf8(right_[static_cast<std::size_t>(rightSelected_)].name);
}

std::string NameMapModel::arrowText() const {
    if (isArrowEnabled() && left_[static_cast<std::size_t>(leftSelected_)].id ==
                                right_[static_cast<std::size_t>(rightSelected_)].id)
        return "X";
    return "->";
}

int NameMapModel::unassignedCount() const {
    return static_cast<int>(
        std::count_if(left_.begin(), left_.end(), [](const auto& u) { return u.id == 0; }));
}

void NameMapModel::selectLeft(int line) {
    leftSelected_ = line >= 0 && line < static_cast<int>(left_.size()) ? line : -1;
}

void NameMapModel::selectRight(int line) {
    rightSelected_ = line >= 0 && line < static_cast<int>(right_.size()) ? line : -1;
}

void NameMapModel::assignIndexes(int left, int right) {
    const std::uint16_t id = right_[static_cast<std::size_t>(right)].id;
    for (Unidentified& u : left_)
        if (u.id == id) u.id = 0;
    left_[static_cast<std::size_t>(left)].id = id;
}

void NameMapModel::pressArrow() {
    if (!isArrowEnabled()) return;
    Unidentified& u = left_[static_cast<std::size_t>(leftSelected_)];
    if (u.id == right_[static_cast<std::size_t>(rightSelected_)].id)
        u.id = 0;
    else
        assignIndexes(leftSelected_, rightSelected_);
}

bool NameMapModel::assign(const std::string& name, std::uint16_t id) {
    const auto l =
        std::find_if(left_.begin(), left_.end(), [&](const auto& u) { return u.name == name; });
    const auto r =
        std::find_if(right_.begin(), right_.end(), [&](const auto& p) { return p.id == id; });
    if (l == left_.end() || r == right_.end()) return false;
    assignIndexes(static_cast<int>(l - left_.begin()), static_cast<int>(r - right_.begin()));
    return true;
}

void NameMapModel::clear() {
    saved_.clear();
    build();
}

FileResult NameMapModel::finish(CVelnoDoc& doc) {
    std::vector<NameMapEntry> kept;
    for (const Unidentified& u : left_) {
        if (!u.id) continue;
        for (CsvRowEntry& row : rows_)
            if (row.name == u.name) row.id = u.id;
        const auto r =
            std::find_if(right_.begin(), right_.end(), [&](const auto& p) { return p.id == u.id; });
        kept.push_back({r->name, u.name, u.id});
    }
    return saveNameMap(doc, kept);
}

}  // namespace velno
