#include "store/SideFiles.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <utility>

#include "store/FixedText.h"
#include "store/RecordStore.h"
#include "text/Cp1252.h"
#include "text/StringTable.h"

namespace velno {

// ---- meetings ------------------------------------------------------------

void MeetingAttendance::clear() {
    std::memset(blocks.data(), 0, sizeof(MeetingBlock) * blocks.size());
    blockCount = 2;
}

void MeetingAttendance::readMeetings(const DataFolder& folder) {
    clear();
    const auto file = folder.read(kFileName, 2 * sizeof(MeetingBlock));
    if (file.found) {
        // Every read attempt counts, so a file with one block still saves two.
        blockCount = 0;
        std::size_t offset = 0;
        while (blockCount < 2) {
            const bool complete = file.bytes.size() >= offset + sizeof(MeetingBlock);
            if (complete)
                std::memcpy(&blocks[blockCount], file.bytes.data() + offset, sizeof(MeetingBlock));
            ++blockCount;
            offset += sizeof(MeetingBlock);
            if (!complete) break;
        }
    }
    const auto midweek = text::utf8ToCp1252(text::tr(text::TxMeetingMidweek)).bytes;
    const auto weekend = text::utf8ToCp1252(text::tr(text::TxMeetingWeekend)).bytes;
    setFieldText(blocks[0].name, midweek);
    setFieldText(blocks[1].name, weekend);
}

FileResult MeetingAttendance::writeMeetings(const DataFolder& folder) const {
    const int n = std::clamp(blockCount, 0, 2);
    return folder.write(kFileName, blocks.data(), sizeof(MeetingBlock) * n);
}

// ---- totals --------------------------------------------------------------

void ReportTotals::clear() {
    std::memset(values, 0, sizeof values);
}

void ReportTotals::readTotals(const DataFolder& folder) {
    const auto file = folder.read(kFileName, sizeof values);
    if (!file.found) return;
    clear();
    if (!file.bytes.empty()) std::memcpy(values, file.bytes.data(), file.bytes.size());
}

FileResult ReportTotals::writeTotals(const DataFolder& folder) const {
    return folder.write(kFileName, values, sizeof values);
}

// ---- under-one-hour marks ------------------------------------------------

namespace UnderHourMarks {

void applyUnderHourMarks(const DataFolder& folder, RecordStore& store) {
    // 1509 records at most; anything beyond is not ours.
    const auto file = folder.read(kFileName, sizeof(UnderHourEntry) * 4096);
    const std::size_t n = file.bytes.size() / sizeof(UnderHourEntry);
    for (std::size_t k = 0; k < n; ++k) {
        UnderHourEntry e;
        std::memcpy(&e, file.bytes.data() + k * sizeof e, sizeof e);
        PublisherRecord* r = store.recordById(e.id);
        if (!r) continue;
        for (int m = 0; m < 12; ++m) {
            for (int parity = 0; parity < 2; ++parity) {
                if (e.marks[m * 2 + parity] != 1) continue;
                const int slot = monthSlot(m, parity);
                if (r->hours[slot] == 0 && r->studiesWord[slot] < StudiesWord::ReportThreshold)
                    r->studiesWord[slot] |= StudiesWord::SharedOrUnderHour;
            }
        }
    }
}

FileResult writeUnderHourMarks(const DataFolder& folder, const RecordStore& store,
                               const IsOldForm& isOldForm) {
    bool anyMark = false;
    for (int pos = 1; pos < store.recordCount() && !anyMark; ++pos)
        for (std::uint16_t word : store.at(pos).studiesWord)
            if (word & StudiesWord::SharedOrUnderHour) anyMark = true;
    if (!anyMark) return folder.remove(kFileName);
    Bytes bytes;
    for (int pos = 1; pos < store.recordCount(); ++pos) {
        const PublisherRecord& r = store.at(pos);
        UnderHourEntry entry{};
        entry.id = r.id;
        bool any = false;
        for (int parity = 0; parity < 2; ++parity) {
            for (int m = 0; m < 12; ++m) {
                if (!isOldForm(m, parity)) continue;
                if (r.studiesWord[monthSlot(m, parity)] & StudiesWord::SharedOrUnderHour) {
                    entry.marks[m * 2 + parity] = 1;
                    any = true;
                }
            }
        }
        if (!any) continue;
        const auto* p = reinterpret_cast<const std::uint8_t*>(&entry);
        bytes.insert(bytes.end(), p, p + sizeof entry);
    }
    return folder.write(kFileName, bytes);
}

}  // namespace UnderHourMarks

// ---- privilege dates -----------------------------------------------------

void PrivilegeDates::readPrivilegeDates(const DataFolder& folder) {
    entries.clear();
    const auto file = folder.read(kFileName, sizeof(PrivilegeDateEntry) * kCapacity);
    const std::size_t n = file.bytes.size() / sizeof(PrivilegeDateEntry);
    entries.resize(n);
    if (n) std::memcpy(entries.data(), file.bytes.data(), n * sizeof(PrivilegeDateEntry));
}

FileResult PrivilegeDates::writePrivilegeDates(const DataFolder& folder) {
    if (entries.size() > static_cast<std::size_t>(kCapacity)) entries.resize(kCapacity);
    // An emptied table removes the file, or the rows of publishers deleted
    // for good would come back at the next load.
    if (entries.empty()) return folder.remove(kFileName);
    Bytes bytes;
    std::set<std::pair<PublisherId, std::uint16_t>> seen;
    for (auto& e : entries) {
        if (e.id == 0 || e.kind == 0) continue;
        const auto key = std::make_pair(e.id, e.kind);
        const bool earlier = !seen.insert(key).second;
        const std::string start(trimmed(fieldText(e.start)));
        setFieldText(e.start, start);
        if ((start.size() > 7 || e.kind == PrivilegeKind::Consent) && !earlier) {
            const auto* p = reinterpret_cast<const std::uint8_t*>(&e);
            bytes.insert(bytes.end(), p, p + sizeof e);
        }
    }
    return folder.write(kFileName, bytes);
}

void PrivilegeDates::removeAllOf(PublisherId id) {
    std::erase_if(entries, [id](const PrivilegeDateEntry& e) { return e.id == id; });
}

// ---- view options --------------------------------------------------------

void ViewOptions::readViewOptions(const DataFolder& folder) {
    bytes.fill(0);
    const auto file = folder.read(kFileName, bytes.size());
    std::copy(file.bytes.begin(), file.bytes.end(), bytes.begin());
}

FileResult ViewOptions::writeViewOptions(const DataFolder& folder) const {
    return folder.write(kFileName, bytes.data(), bytes.size());
}

}  // namespace velno
