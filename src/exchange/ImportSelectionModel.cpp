#include "exchange/ImportSelectionModel.h"

#include <algorithm>
#include <unordered_map>

#include "reporting/PioneerCredit.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/ExchangeTexts.h"

namespace velno {

namespace {

using namespace StudiesWord;

std::uint16_t itemOf(const PublisherRecord& r, int item, int slot) {
    switch (item) {
        case 0:
            return r.placements[slot];
        case 1:
            return r.videos[slot];
        case 2:
            return r.hours[slot];
        case 3:
            return r.returnVisits[slot];
        default:
            return static_cast<std::uint16_t>(r.studiesWord[slot] & StudiesMask);
    }
}

std::string utf8(const std::string& cp1252) {
    return text::cp1252ToUtf8(cp1252);
}

}  // namespace

int compareSlot(const PublisherRecord& file, const std::string& fileRemark,
                const PublisherRecord& stored, const std::string& storedRemark, int slot) {
    int result = 0;
    for (int item = 0; item < kReportItems && result < 2; ++item) {
        const std::uint16_t f = itemOf(file, item, slot), s = itemOf(stored, item, slot);
        if (f != 0 && f != s) result = s != 0 ? 2 : 1;
    }
    if (result == 0) {
        const std::uint16_t f = file.studiesWord[slot], s = stored.studiesWord[slot];
        if (f >= ReportThreshold && (f & QuarterMask) != (s & QuarterMask)) {
            result = (s & QuarterMask) == 0 ? 1 : 2;
        } else if ((f & SharedOrUnderHour) && (f & SharedOrUnderHour) != (s & SharedOrUnderHour)) {
            result = (s & SharedOrUnderHour) ? 2 : 1;
        }
    }
    if (!fileRemark.empty()) {
        if (storedRemark.empty())
            result = std::max(result, 1);
        else if (fileRemark != storedRemark)
            result = 3;
    }
    return result;
}

ImportSelectionModel::ImportSelectionModel(CVelnoDoc& doc, ImportImage image, Mode mode)
    : doc_(doc), image_(std::move(image)), mode_(mode) {
    build();
}

std::string ImportSelectionModel::storedRemark(int pos, int slot) const {
    const int k = doc_.store().at(pos).remarkIndex[slot];
    return doc_.remarks().hasText(k) ? doc_.remarks().at(k).textString() : std::string();
}

void ImportSelectionModel::build() {
    const int count = static_cast<int>(image_.records.size());
    auto add = [&](std::string line, ImportItem item, int pos) {
        if (static_cast<int>(lines_.size()) >= kMaxLines) return;
        lines_.push_back(std::move(line));
        items_.push_back(item);
        positions_.push_back(pos);
    };
    // The first publisher of the normal list with exactly these names, by
    // last name and first name (a spreadsheet's month may have 1500 rows).
    std::unordered_map<std::string, int> byName;
    auto key = [](const PublisherRecord& r) {
        return fieldText(r.lname) + '\0' + fieldText(r.fname);
    };
    for (int p = 1; p < doc_.store().recordCount(); ++p)
        if (doc_.store().at(p).listKind == ListActive) byName.emplace(key(doc_.store().at(p)), p);
    for (int k = 1; k <= count; ++k) {
        const PublisherRecord& file = image_.records[static_cast<std::size_t>(k - 1)];
        // A publisher file names its ids too: the names must be that record's.
        int pos = 0;
        if (mode_ == Mode::Xml && file.id != 0) {
            const int p = doc_.store().storePosById(file.id);
            if (p > 0 && doc_.store().at(p).listKind == ListActive &&
                key(doc_.store().at(p)) == key(file))
                pos = p;
        } else if (const auto found = byName.find(key(file)); found != byName.end()) {
            pos = found->second;
        }
        if (!pos) continue;
        const PublisherRecord& stored = doc_.store().at(pos);
        const std::string name = utf8(doc_.displayName(pos));
        auto compare = [&](int month0) {
            const int slot = monthSlot(month0, image_.parity);
            return compareSlot(file, image_.remarkOf(file, slot), stored, storedRemark(pos, slot),
                               slot);
        };
        if (const int r = compare(image_.month0); r > 0)
            add(name, {k, false, image_.month0, r > 1, r > 2}, pos);
        if (mode_ != Mode::GroupFile || k > static_cast<int>(image_.late.size())) continue;
        for (int h = 0; h < 12; ++h) {
            if (!image_.late[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(h)])
                continue;
            if (const int r = compare(h); r > 0)
                add(text::formatPrintf("%s (%s)", name.c_str(), text::monthShortName(h).c_str()),
                    {k, true, h, r > 1, r > 2}, pos);
        }
    }
    selected_.assign(lines_.size(), true);
}

std::string ImportSelectionModel::title() const {
    return image_.path + "  -  " + text::monthName(image_.month0);
}

std::string ImportSelectionModel::availableText() const {
    return text::tr(text::TxReportsAvailable) + " " + std::to_string(lines_.size());
}

std::string ImportSelectionModel::selectedText() const {
    return text::tr(text::TxReportsSelected) + " " + std::to_string(selectedCount());
}

int ImportSelectionModel::selectedCount() const {
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

void ImportSelectionModel::select(int line, bool on) {
    if (line >= 0 && line < static_cast<int>(selected_.size()))
        selected_[static_cast<std::size_t>(line)] = on;
}

void ImportSelectionModel::selectAll() {
    std::fill(selected_.begin(), selected_.end(), true);
}

void ImportSelectionModel::selectNone() {
    std::fill(selected_.begin(), selected_.end(), false);
}

ImportSelectionModel::Preview ImportSelectionModel::preview(int line) const {
    Preview p;
    if (line < 0 || line >= static_cast<int>(items_.size())) return p;
    const ImportItem& item = items_[static_cast<std::size_t>(line)];
    const PublisherRecord& file = image_.records[static_cast<std::size_t>(item.index - 1)];
    const PublisherRecord& stored = doc_.store().at(positions_[static_cast<std::size_t>(line)]);
    const int slot = monthSlot(item.month0, image_.parity);
    p.name = utf8(fieldText(file.fname) + " " + fieldText(file.lname));
    if (item.late)
        p.lateMonth = text::arg(text::tr(text::TxLateReportOf), text::monthName(item.month0));
    auto fill = [&](const PublisherRecord& r, std::string& shared, std::string& studies,
                    std::string& hours) {
        shared.assign((r.studiesWord[slot] & SharedOrUnderHour) ? 1 : 0, 'X');
        studies = std::to_string(r.studiesWord[slot] & StudiesMask);
        hours = std::to_string(r.hours[slot]);
    };
    fill(file, p.newShared, p.newStudies, p.newHours);
    fill(stored, p.oldShared, p.oldStudies, p.oldHours);
    p.newRemark = utf8(image_.remarkOf(file, slot));
    return p;
}

int ImportSelectionModel::merge() {
    int merged = 0;
    for (std::size_t line = 0; line < items_.size(); ++line) {
        if (!selected_[line]) continue;
        const ImportItem& item = items_[line];
        const PublisherRecord& file = image_.records[static_cast<std::size_t>(item.index - 1)];
        const int pos = positions_[line];
        PublisherRecord r = doc_.store().at(pos);
        const int s = monthSlot(item.month0, image_.parity);
        auto take = [](std::uint16_t& to, std::uint16_t from) {
            if (from != 0) to = from;
        };
        take(r.placements[s], file.placements[s]);
        take(r.videos[s], file.videos[s]);
        take(r.hours[s], file.hours[s]);
        take(r.returnVisits[s], file.returnVisits[s]);
        take(r.studiesWord[s], file.studiesWord[s]);
        if (file.serviceKind[s] != 0) r.serviceKind[s] = file.serviceKind[s];
        take(r.credit[s], file.credit[s]);
        const std::string remark = image_.remarkOf(file, s);
        // A spreadsheet carries no credit: a regular pioneer's comes from
        // the remark.
        if (mode_ == Mode::Csv && r.kindAt(s) == ServiceRegular)
            r.credit[s] = static_cast<std::uint16_t>(importedCredit(r.hours[s], remark));
        if (!remark.empty()) {
            RemarkEntry entry{};
            setFieldText(entry.text, remark);
            entry.month = static_cast<std::uint8_t>(item.month0 + 1);
            entry.parity = static_cast<std::uint8_t>(image_.parity);
            entry.id = r.id;
            RemarkTable& remarks = doc_.remarks();
            const int current = r.remarkIndex[s];
            int k = 0;
            if (current > 0 && current < remarks.count()) {
                remarks.at(current) = entry;
                k = current;
            } else if (remarks.count() < RemarkTable::kCapacity) {
                k = remarks.append(entry);
            }
            if (k > 0) {
                r.remarkIndex[s] = static_cast<std::uint16_t>(k);
                doc_.reportWriteFailure(RemarkTable::writeRemark(doc_.folder(), entry));
            }
        }
        doc_.store().at(pos) = r;
        if (item.late && file.serviceKind[s] != 3) {
            const auto& entries = doc_.lateReports().entries();
            const bool known = std::any_of(entries.begin(), entries.end(), [&](const auto& e) {
                return e.id == r.id && e.month0 == item.month0;
            });
            if (!known) doc_.lateReports().add(r.id, item.month0, doc_.reportMonth().reportMonth0);
        }
        ++merged;
    }
    doc_.dirty = true;
    return merged;
}

}  // namespace velno
