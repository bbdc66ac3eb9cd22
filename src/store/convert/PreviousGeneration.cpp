#include "store/convert/PreviousGeneration.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <optional>
#include <set>
#include <tuple>
#include <vector>

#include "store/FixedText.h"
#include "text/Cp1252.h"

namespace velno {

namespace {

constexpr const char* kSideListFiles[] = {"tinac7.dat", "tmove7.dat", "tnopu7.dat", "tdele7.dat"};
constexpr ListKind kPreviousListKinds[] = {ListInactive, ListMoved, ListBibleStudent, ListDeleted};
constexpr int kAugust = 7;

// Every read is bounded by what the older program could have written.
template <typename T>
std::vector<T> readEntries(const DataFolder& folder, const std::string& name, std::size_t limit) {
    const auto file = folder.read(name, sizeof(T) * limit);
    std::vector<T> entries(file.bytes.size() / sizeof(T));
    if (!entries.empty())
        std::memcpy(entries.data(), file.bytes.data(), entries.size() * sizeof(T));
    return entries;
}

DataFolder previousRoll(const CVelnoDoc& doc) {
    const DataFolder roll(doc.folder().resolve("Roll"));
    return DataFolder(roll.resolve("Vn7_8"));
}

std::optional<PreviousRecord> readHeader(const DataFolder& folder) {
    const auto records = readEntries<PreviousRecord>(folder, PreviousGeneration::kMainFile, 1);
    if (records.empty()) return std::nullopt;
    return records.front();
}

// The year each month's data belong to, 0 when the month has none: only
// this year and the two before it, and never a month of this year that
// has not come yet.
std::array<int, 12> acceptedYears(const PreviousRecord& header, const ReportMonth& month) {
    std::array<int, 12> years{};
    for (int j = 0; j < 12; ++j) {
        const int year = yearFromByte(header.headerYear[j]);
        const bool inRange = year >= month.todayYear - 2 && year <= month.todayYear;
        const bool notYet = year == month.todayYear && j > month.todayMonth - 1;
        if (inRange && !notYet) years[j] = year;
    }
    return years;
}

// The report month's own data are taken only when they are of the report
// year's parity (else they are a year old and would land in this year).
bool reportMonthTaken(const PreviousRecord& header, const ReportMonth& month) {
    return parityOfYear(yearFromByte(header.headerYear[month.reportMonth0])) == month.parity();
}

PublisherRecord convertRecord(const PreviousRecord& old, const std::array<int, 12>& years) {
    PublisherRecord r;
    std::memset(&r, 0, sizeof r);
    auto* bytes = reinterpret_cast<std::uint8_t*>(&r);
    // Bytes 0..1 are reserved and 196..197 (moreBits) mean something else
    // in the older record.
    std::memcpy(bytes + 2, old.common + 2, offsetof(PublisherRecord, moreBits) - 2);
    std::memcpy(bytes + offsetof(PublisherRecord, aux198), old.common + 198, 4);
    r.moreBits = MoreBit::Loaded;
    r.listYear = old.listYear;
    r.flags = old.flags;
    for (int j = 0; j < 12; ++j) {
        if (years[j] == 0) continue;
        const int slot = monthSlot(j, parityOfYear(years[j]));
        r.serviceKind[slot] = old.serviceKind[j];
        r.placements[slot] =
            static_cast<std::uint16_t>((old.highNibbles[j] >> 4) * 256 + old.placementsLow[j]);
        r.videos[slot] =
            static_cast<std::uint16_t>((old.highNibbles[j] & 0x0F) * 256 + old.videosLow[j]);
        r.hours[slot] = old.hours[j];
        r.returnVisits[slot] = static_cast<std::uint16_t>(old.returnVisitsLow[j] +
                                                          256 * (old.returnVisitsHigh[j] >> 6));
        r.studiesWord[slot] = static_cast<std::uint16_t>(
            (old.studies[j] & 0x3F) | ((old.quarters[j] & 0x0F) << StudiesWord::QuarterShift));
        r.credit[slot] = old.credit[j];
        r.slotYear[slot] = yearToByte(years[j]);
    }
    return r;
}

RemarkEntry convertRemark(const PreviousRemark& old, int parity) {
    RemarkEntry e{};
    setFieldText(e.text, fieldText(old.text));
    e.month = old.month;
    e.parity = static_cast<std::uint8_t>(parity);
    e.id = old.id;
    return e;
}

bool isUsableRemark(const PreviousRemark& old) {
    return old.month >= 1 && old.month <= 12 && old.id > RecordStore::kLowestLookupId &&
           !trimmed(fieldText(old.text)).empty();
}

// The older snapshot "Roll/Vn7_8" holds the year before: August to
// December of the report year's parity, January to July of the other.
int previousRollParity(int month0, const ReportMonth& month) {
    return (month.reportYear2 + (month0 < kAugust ? 1 : 0)) & 1;
}

void convertRemarks(CVelnoDoc& doc, const PreviousRecord& header) {
    const ReportMonth& month = doc.reportMonth();
    std::vector<RemarkEntry> entries;
    std::set<std::tuple<PublisherId, int, int>> seen;
    const auto keep = [&](const RemarkEntry& e) {
        if (entries.size() >= static_cast<std::size_t>(RemarkTable::kFileEntries)) return;
        if (!seen.insert({e.id, e.month, e.parity}).second) return;
        entries.push_back(e);
    };
    for (const auto& old : readEntries<PreviousRemark>(
             doc.folder(), PreviousGeneration::kRemarkFile, RemarkTable::kFileEntries)) {
        if (!isUsableRemark(old)) continue;
        const int m0 = old.month - 1;
        if (m0 == month.reportMonth0 && !reportMonthTaken(header, month)) continue;
        keep(convertRemark(old, parityOfYear(month.recentYear(m0))));
    }
    for (const auto& old : readEntries<PreviousRemark>(
             previousRoll(doc), PreviousGeneration::kRemarkFile, RemarkTable::kFileEntries)) {
        if (!isUsableRemark(old)) continue;
        keep(convertRemark(old, previousRollParity(old.month - 1, month)));
    }
    // The remark table is loaded from its file at the end of the load.
    if (!entries.empty()) doc.reportWriteFailure(RemarkTable::writeRemarks(doc.folder(), entries));
}

void convertTotals(CVelnoDoc& doc, const PreviousRecord& header) {
    using Values = std::uint16_t[12][ReportTotals::kCategories][ReportTotals::kValues];
    const ReportMonth& month = doc.reportMonth();
    const auto read = [](const DataFolder& folder, Values& values) {
        const auto file = folder.read(PreviousGeneration::kTotalsFile, sizeof(Values));
        std::memset(values, 0, sizeof(Values));
        if (!file.bytes.empty()) std::memcpy(values, file.bytes.data(), file.bytes.size());
        return file.found;
    };
    ReportTotals totals;
    std::set<std::pair<int, int>> filled;
    const auto put = [&](const Values& values, int m, int parity) {
        if (!filled.insert({m, parity}).second) return;  // the newer data stay
        for (int c = 0; c < ReportTotals::kCategories; ++c)
            for (int v = 0; v < ReportTotals::kValues; ++v)
                totals.values[m][c][v][parity] = values[m][c][v];
    };
    const bool reportMonthOk = reportMonthTaken(header, month);
    Values values;
    bool found = false;
    if (read(doc.folder(), values)) {
        found = true;
        for (int m = 0; m < 12; ++m)
            if (m != month.reportMonth0 || reportMonthOk)
                put(values, m, parityOfYear(month.recentYear(m)));
    }
    if (read(previousRoll(doc), values)) {
        found = true;
        for (int m = 0; m < 12; ++m)
            if (m != month.reportMonth0 || reportMonthOk)
                put(values, m, previousRollParity(m, month));
    }
    if (!found) return;
    doc.reportWriteFailure(totals.writeTotals(doc.folder()));
}

void convertLateMarks(CVelnoDoc& doc) {
    RecordStore& store = doc.store();
    store.rebuildIndex();
    for (const auto& e : readEntries<PreviousLateReport>(
             doc.folder(), PreviousGeneration::kLateFile, PreviousGeneration::kLateLimit)) {
        if (e.month0 > 11 || e.processing < 1 || e.processing > 12) continue;
        PublisherRecord* r = store.recordById(e.id);
        if (r) r->lateMark[doc.reportMonth().recentSlot(e.month0)] = e.processing;
    }
}

// Which older meeting record fills a block: the one named for it, else the
// first (midweek) or second (weekend) record.
int meetingFor(const std::vector<PreviousMeeting>& records, const char* nameWord, int fallback,
               int taken) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::string name = fieldText(records[i].name);
        std::string upper;
        for (char c : name) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (upper.find(nameWord) != std::string::npos && static_cast<int>(i) != taken)
            return static_cast<int>(i);
    }
    return fallback < static_cast<int>(records.size()) && fallback != taken ? fallback : -1;
}

}  // namespace

bool PreviousGeneration::convertStore(CVelnoDoc& doc) {
    const auto records =
        readEntries<PreviousRecord>(doc.folder(), kMainFile, RecordStore::kCapacity);
    if (records.empty()) return false;
    const ReportMonth& month = doc.reportMonth();
    const auto years = acceptedYears(records.front(), month);

    RecordStore& store = doc.store();
    store.reset();
    store.header() = convertRecord(records.front(), years);
    for (std::size_t i = 1; i < records.size(); ++i) store.append(convertRecord(records[i], years));

    // The report month counts as open when the older file held its data
    // for the report year, so that the state recomputed from the header
    // agrees with the conversion.
    HeaderRecord header(store.header());
    const bool current = store.header().slotYear[month.slot()] == month.reportYear2 &&
                         years[month.reportMonth0] != 0;
    header.setCollectionState(month.reportMonth0, current ? 2 : 0);
    if (current) header.setInitYear(month.slot(), month.reportYear2);
    return true;
}

void PreviousGeneration::convertSideTables(CVelnoDoc& doc) {
    const auto header = readHeader(doc.folder());
    if (!header) return;
    convertRemarks(doc, *header);
    convertTotals(doc, *header);
    convertLateMarks(doc);
}

void PreviousGeneration::convertGroups(CVelnoDoc& doc) {
    const auto file = doc.folder().read(GroupTable::kFileName, sizeof(PreviousGroupFile));
    if (file.bytes.size() != sizeof(PreviousGroupFile)) return;
    PreviousGroupFile old;
    std::memcpy(&old, file.bytes.data(), sizeof old);
    GroupFile& g = doc.groups().data();
    std::memset(&g, 0, sizeof g);
    // The older file kept its texts plain.
    g.count = std::min<std::uint8_t>(old.count, GroupTable::kCapacity);
    for (int i = 0; i < GroupTable::kCapacity; ++i) {
        setFieldText(g.overseer[i], fieldText(old.overseer[i]));
        setFieldText(g.assistant[i], fieldText(old.assistant[i]));
        setFieldText(g.location[i], fieldText(old.location[i]));
        setFieldText(g.time[i], fieldText(old.time[i]));
        g.day[i] = old.day[i] <= 6 ? old.day[i] : 0;
    }
}

void PreviousGeneration::appendSideLists(CVelnoDoc& doc) {
    const auto header = readHeader(doc.folder());
    if (!header) return;
    const auto years = acceptedYears(*header, doc.reportMonth());
    RecordStore& store = doc.store();
    for (int f = 0; f < 4; ++f) {
        for (const auto& old :
             readEntries<PreviousRecord>(doc.folder(), kSideListFiles[f], kSideListLimit)) {
            PublisherRecord r = convertRecord(old, years);
            r.listKind = kPreviousListKinds[f];
            if (!store.append(r)) return;  // a full store takes no more
        }
    }
}

void PreviousGeneration::convertMeetings(CVelnoDoc& doc) {
    const auto records = readEntries<PreviousMeeting>(doc.folder(), kMeetingFile, kMeetingLimit);
    const auto header = readHeader(doc.folder());
    if (records.empty() || !header) return;
    const auto years = acceptedYears(*header, doc.reportMonth());
    MeetingAttendance& meetings = doc.meetings();
    meetings.clear();
    const int midweek = meetingFor(records, "TENGAH", 0, -1);
    const int weekend = meetingFor(records, "AKHIR", 1, midweek);
    const int sources[2] = {midweek, weekend};
    for (int b = 0; b < 2; ++b) {
        if (sources[b] < 0) continue;
        const PreviousMeeting& old = records[sources[b]];
        MeetingBlock& block = meetings.blocks[b];
        for (int j = 0; j < 12; ++j) {
            if (years[j] == 0) continue;
            const int slot = monthSlot(j, parityOfYear(years[j]));
            for (int w = 0; w < 5; ++w) block.week[w][slot] = old.week[w][j];
            block.meetings[slot] = old.meetings[j];
            block.total[slot] = old.total[j];
            block.average[slot] = old.average[j];
        }
    }
    // Read back by the next load step, which also names the blocks.
    doc.reportWriteFailure(meetings.writeMeetings(doc.folder()));
}

PreviousFormat& previousGeneration() {
    static PreviousGeneration converter;
    return converter;
}

}  // namespace velno
