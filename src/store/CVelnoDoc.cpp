#include "store/CVelnoDoc.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <set>

#include "store/Collation.h"
#include "store/FixedText.h"
#include "store/Scrambler.h"
#include "store/files/UnderHourMarks.h"
#include "text/Format.h"
#include "text/texts/StoreTexts.h"

namespace velno {

namespace {

constexpr std::size_t kRecordSize = sizeof(PublisherRecord);

bool hasLetter(const char* text, std::size_t width) {
    const std::size_t n = strnlen(text, width);
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char c = baseLetter(static_cast<unsigned char>(text[i]));
        if (c >= 'A' && c <= 'Z') return true;
    }
    return false;
}

std::string num(std::uintmax_t n) {
    return std::to_string(n);
}

}  // namespace

CVelnoDoc::CVelnoDoc() = default;
CVelnoDoc::~CVelnoDoc() = default;

void CVelnoDoc::note(std::string line) {
    loadReport_.notes.push_back(std::move(line));
}

void CVelnoDoc::setToday(const CalendarDate& today) {
    month_.deriveFrom(today);
}

void CVelnoDoc::reportWriteFailure(const FileResult& failure) {
    if (failure.ok()) return;
    const std::string path = (folder_.path() / failure.file).string();
    if (failure.error == EROFS && isReadOnly()) {
        prompter().tell(readOnlyMessage(), Icon::Error);
        return;
    }
    // A full disk is not a permission problem: it says so, with the system's reason.
    const std::string message =
        failure.error == ENOSPC || failure.error == EDQUOT
            ? text::arg(text::tr(text::TxDiskFull), path, failure.reason)
            : text::arg(text::tr(text::TxCannotCreateFile), path) + "\n" + failure.reason;
    prompter().tell(message, Icon::Error);
}

std::string CVelnoDoc::readOnlyMessage() const {
    const auto& failures = folder_.readFailures();
    if (failures.empty()) return {};
    const auto& f = failures.front();
    return text::arg(text::tr(text::TxFileUnreadable), (folder_.path() / f.file).string(),
                     f.reason);
}

void CVelnoDoc::noteDamage(const std::string& fileName, std::size_t size, std::size_t entrySize,
                           bool exactSize) {
    const bool odd = exactSize ? size != entrySize : size % entrySize != 0;
    if (!odd) return;
    note(exactSize
             ? text::arg(text::tr(text::TxNoteUnexpectedSize), fileName, num(size), num(entrySize))
             : text::arg(text::tr(text::TxNoteFileSize), fileName, num(size), num(entrySize)));
    loadReport_.damagedFiles.push_back(fileName);
}

// ---- load ------------------------------------------------------------------

void CVelnoDoc::loadMainFile() {
    const std::size_t limit = kRecordSize * RecordStore::kCapacity;
    const auto file = folder_.read(kMainFileName, limit);
    const std::size_t records = file.bytes.size() / kRecordSize;
    if (records) std::memcpy(store_.data(), file.bytes.data(), records * kRecordSize);
    for (std::size_t pos = 0; pos < records; ++pos) {
        auto& more = store_.at(static_cast<int>(pos)).moreBits;
        if (!(more & MoreBit::Loaded)) more = MoreBit::Loaded;
    }
    if (records == 0) {
        initHeaderRecord(store_.header());
        store_.setRecordCount(1);
    } else {
        store_.setRecordCount(static_cast<int>(records));
    }
    noteDamage(kMainFileName, file.bytes.size(), kRecordSize);
    if (file.truncated) {
        loadReport_.recordsBeyondCapacity = 1;
        note(text::arg(text::tr(text::TxNoteFileTooLong), kMainFileName, num(limit)));
        loadReport_.damagedFiles.push_back(kMainFileName);
    }
}

void CVelnoDoc::unscrambleStore() {
    for (int pos = 0; pos < store_.recordCount(); ++pos) unscrambleRecord(store_.at(pos));
}

bool CVelnoDoc::loadStore(const std::filesystem::path& path, Admission admission) {
    folder_.setPath(path);
    folder_.startLoad();
    // An interrupted commit reads as done; the disk itself is put in order
    // by the first commit, and nothing is written before the password.
    folder_.recover();
    folder_.holdWrites();
    store_.reset();
    extensions_.clear();
    remarks_.clear();
    groups_.clear();
    meetings_.clear();
    totals_.clear();
    privilegeDates_.entries.clear();
    viewOptions_.bytes.fill(0);
    emergency_.clear();
    specialNeeds_.clear();
    lateReports_.clear();
    loadReport_ = {};
    documentCounter = 0;
    dirty = false;
    convertedFromOld = false;

    // 1. Extension index.
    if (!extensions_.load(folder_)) {
        note(text::arg(text::tr(text::TxNoteFileTooLong), ExtensionTable::kFileName, "8388608"));
        loadReport_.damagedFiles.push_back(ExtensionTable::kFileName);
    }

    // 2. The records, or the older files when the main file is absent.
    const auto mainSize = folder_.size(kMainFileName);
    if (mainSize && *mainSize > kMainFileMinimum) {
        loadReport_.mainFileFound = true;
        loadMainFile();
    } else if (folder_.couldNotRead(kMainFileName)) {
        // There but unreadable: not missing, so no older files replace it.
        initHeaderRecord(store_.header());
        store_.setRecordCount(1);
    } else {
        note(text::tr(text::TxNoteMainFileMissing));
        if (previous_) convertedFromOld = previous_->convertStore(*this);
        if (store_.recordCount() < 1) {
            initHeaderRecord(store_.header());
            store_.setRecordCount(1);
        }
    }

    // 3. The document counter belongs to the month it was saved in.
    const PublisherRecord& head = store_.header();
    if ((head.categoryBits & HeaderField::SavedMonthMask) == month_.reportMonth0 + 1)
        documentCounter = head.markStamp;

    // 4. Side tables that live with the records.
    if (convertedFromOld && previous_) previous_->convertSideTables(*this);
    lateReports_.rebuild(store_, month_);
    totals_.readTotals(folder_);
    const auto groupLoad = groups_.load(folder_);
    if (groupLoad == GroupTable::LoadResult::PreviousFormat && previous_)
        previous_->convertGroups(*this);

    // 5. Order, index and the under-one-hour marks.
    store_.sortStore(settings_.sortByFirstName);
    store_.rebuildIndex();
    UnderHourMarks::applyUnderHourMarks(folder_, store_);

    // 6. Older side lists.
    if (convertedFromOld && previous_) previous_->appendSideLists(*this);

    // 7. Plain text in memory.
    if (store_.header().lname[0] != 'A') unscrambleStore();
    if (store_.header().lname[0] != 'A') {
        loadReport_.headerNotRecognised = true;
        note(text::tr(text::TxNoteHeaderNotRecognised));
        loadReport_.damagedFiles.push_back(kMainFileName);
    }

    // 8. Final order, privilege dates, ids, contacts and needs.
    store_.sortStore(settings_.sortByFirstName);
    privilegeDates_.readPrivilegeDates(folder_);
    rebuildIndex();
    loadReport_.duplicateIdsRepaired = store_.repairDuplicateIds();
    if (loadReport_.duplicateIdsRepaired) {
        dirty = true;
        note(text::arg(text::tr(text::TxNoteDuplicateIds), num(loadReport_.duplicateIdsRepaired)));
        loadReport_.damagedFiles.push_back(kMainFileName);
    }
    compactEmergency();
    indexSpecialNeeds();

    // 9. Password.
    if (!oldYearView && admission == Admission::Ask && rules_ && !rules_->admit(*this)) {
        folder_.discardHeld();
        store_.reset();
        remarks_.clear();
        extensions_.clear();
        groups_.clear();
        privilegeDates_.entries.clear();
        emergency_.clear();
        specialNeeds_.clear();
        lateReports_.clear();
        return false;
    }

    // 10. Older attendance, and the month's state after a conversion.
    if (convertedFromOld && previous_) {
        previous_->convertMeetings(*this);
        const auto state = store_.header().slotYear[month_.slot()] == month_.reportYear2 ? 1 : 2;
        header().setCollectionState(month_.reportMonth0, static_cast<std::uint8_t>(state));
        dirty = true;
    }

    // 11. Attendance and view options.
    meetings_.readMeetings(folder_);
    viewOptions_.readViewOptions(folder_);

    // 12. Remarks.
    loadRemarks();

    recomputeCollectionState();
    finishLoad(!holdWritesUntilSave);
    if (rules_) rules_->loaded(*this);
    return true;
}

void CVelnoDoc::finishLoad(bool commitLoadWrites) {
    const std::pair<const char*, std::size_t> entrySizes[] = {
        {ExtensionTable::kFileName, sizeof(PublisherExtension)},
        {RemarkTable::kFileName, sizeof(RemarkEntry)},
        {UnderHourMarks::kFileName, sizeof(UnderHourEntry)},
        {PrivilegeDates::kFileName, sizeof(PrivilegeDateEntry)},
        {emergency_.fileName().c_str(), emergency_.entrySize()},
        {specialNeeds_.fileName().c_str(), specialNeeds_.entrySize()},
        {MeetingAttendance::kFileName, sizeof(MeetingBlock)},
    };
    for (const auto& [name, entrySize] : entrySizes)
        if (const auto n = folder_.size(name)) noteDamage(name, *n, entrySize);
    if (const auto n = folder_.size(ReportTotals::kFileName))
        noteDamage(ReportTotals::kFileName, *n, sizeof(ReportTotals), true);
    if (const auto n = folder_.size(ViewOptions::kFileName))
        noteDamage(ViewOptions::kFileName, *n, sizeof(ViewOptions::bytes), true);
    if (const auto n = folder_.size(GroupTable::kFileName);
        n && *n != GroupTable::kPreviousFormatSize)
        noteDamage(GroupTable::kFileName, *n, sizeof(GroupFile), true);
    if (loadReport_.remarksWithBadSlot) loadReport_.damagedFiles.push_back(RemarkTable::kFileName);

    std::sort(loadReport_.damagedFiles.begin(), loadReport_.damagedFiles.end());
    loadReport_.damagedFiles.erase(
        std::unique(loadReport_.damagedFiles.begin(), loadReport_.damagedFiles.end()),
        loadReport_.damagedFiles.end());
    // The damaged original is kept, named for the day and time it was set aside.
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const std::string stamp =
        text::formatPrintf(".rusak-%04d%02d%02d-%02d%02d", month_.todayYear, month_.todayMonth,
                           month_.todayDay, local.tm_hour, local.tm_min);
    for (const auto& name : loadReport_.damagedFiles) {
        folder_.keepOriginalOnReplace(name, folder_.resolve(name).filename().string() + stamp);
        note(text::arg(text::tr(text::TxNoteWillKeepOriginal), name));
    }

    for (const auto& failure : folder_.readFailures()) {
        loadReport_.unreadable.push_back(failure);
        note(text::arg(text::tr(text::TxNoteUnreadable), failure.file, failure.reason));
    }
    // A folder that could not be read whole gets nothing written into it.
    if (isReadOnly()) {
        folder_.discardHeld();
        return;
    }
    if (!commitLoadWrites) return;
    if (const FileResult r = folder_.commitHeld(); !r)
        note(text::arg(text::tr(text::TxCannotCreateFile), (folder_.path() / r.file).string()) +
             " " + r.reason);
    tellKeptOriginals();
}

void CVelnoDoc::tellKeptOriginals() {
    for (const auto& [name, keptAs] : folder_.takeKeptOriginals())
        prompter().tell(text::arg(text::tr(text::TxDamagedOriginalKept), name,
                                  (folder_.path() / keptAs).string()),
                        Icon::Warning);
}

void CVelnoDoc::loadRemarks() {
    if (!oldYearView) {
        // Held with the rest of the load's writes; a failure shows at commit.
        const FileResult undo =
            folder_.exists(RemarkTable::kFileName)
                ? folder_.copy(RemarkTable::kFileName, RemarkTable::kUndoFileName)
                : folder_.remove(RemarkTable::kUndoFileName);
        if (!undo)
            note(text::arg(text::tr(text::TxCannotCreateFile), undo.file) + " " + undo.reason);
    }
    for (int pos = 1; pos < store_.recordCount(); ++pos)
        std::memset(store_.at(pos).remarkIndex, 0, sizeof store_.at(pos).remarkIndex);
    if (!oldYearView) {
        const int dropped = RemarkTable::compactFile(folder_);
        if (dropped > 0) {
            loadReport_.remarksCompactedAway = dropped;
            note(text::arg(text::tr(text::TxNoteRemarksCompacted), num(dropped)));
        }
    }
    const RemarkLoadReport r = remarks_.load(folder_, store_);
    loadReport_.remarksOfUnknownPublishers = r.unknownPublisher;
    loadReport_.remarksWithBadSlot = r.badSlot;
    if (r.unknownPublisher)
        note(text::arg(text::tr(text::TxNoteRemarksUnknown), num(r.unknownPublisher)));
    if (r.badSlot) note(text::arg(text::tr(text::TxNoteRemarksBadSlot), num(r.badSlot)));
}

void CVelnoDoc::recomputeCollectionState() {
    const bool open = header().initYear(month_.slot()) == month_.reportYear2;
    header().setCollectionState(month_.reportMonth0, open ? 1 : 2);
}

// ---- store operations ------------------------------------------------------

std::string CVelnoDoc::displayName(int pos, bool familyFirst) const {
    if (pos <= 0 || pos >= store_.recordCount()) return {};
    return displayNameOf(store_.at(pos), familyFirst || viewOptions_.familyNameFirst());
}

std::string CVelnoDoc::displayNameOfHandle(std::uint16_t handle, bool familyFirst) const {
    return displayName(store_.positionOfHandle(handle), familyFirst);
}

std::uint16_t CVelnoDoc::item(int pos, int month0, int itemNumber, int parity) const {
    if (pos <= 0 || pos >= store_.recordCount() || month0 < 0 || month0 > 11 || parity < 0 ||
        parity > 2)
        return 0;
    return store_.at(pos).itemAt(monthSlot(month0, parity), itemNumber);
}

void CVelnoDoc::rebuildIndex() {
    const int extra = store_.rebuildIndex();
    // Once, however many extra records there are and however often the
    // index is rebuilt.
    if (extra > 0 && loadReport_.extraCircuitOverseers == 0)
        prompter().tell(text::tr(text::TxDuplicateCircuitOverseer), Icon::Warning);
    loadReport_.extraCircuitOverseers = extra;
}

void CVelnoDoc::sortAndIndex() {
    store_.sortStore(settings_.sortByFirstName);
    rebuildIndex();
}

void CVelnoDoc::deleteRecord(int pos) {
    if (pos <= 0 || pos >= store_.recordCount()) return;
    const PublisherId id = store_.at(pos).id;
    for (int p = 1; p < store_.recordCount(); ++p)
        if (store_.at(p).household == id) store_.at(p).household = 0;
    reportWriteFailure(blankRemarksOf(id));
    privilegeDates_.removeAllOf(id);
    store_.removeAt(pos);
    dirty = true;
}

int CVelnoDoc::extensionOf(int pos) {
    if (pos <= 0 || pos >= store_.recordCount()) return 0;
    PublisherRecord& r = store_.at(pos);
    if (r.extSlot >= extensions_.count()) r.extSlot = 0;
    if (r.extSlot == 0) return 0;
    if (!extensions_.readExtension(r.extSlot, r.id)) {
        r.extSlot = 0;
        dirty = true;
        return 0;
    }
    const PublisherExtension& e = extensions_.current();
    int bits = 0;
    if (hasLetter(e.longName, sizeof e.longName)) bits |= ExtensionBit::LongName;
    if (hasLetter(e.email, sizeof e.email)) bits |= ExtensionBit::Email;
    if (hasLetter(e.other, sizeof e.other)) bits |= ExtensionBit::Other;
    if (e.marker != 0) bits |= ExtensionBit::Marker;
    return bits;
}

bool CVelnoDoc::remarkExists(int pos, int month0, int parity) {
    if (parity >= 3) {
        prompter().tell(text::tr(text::TxBadYearInRemCheck), Icon::Warning);
        return false;
    }
    if (pos <= 0 || pos >= store_.recordCount() || month0 < 0 || month0 > 11 || parity < 0)
        return false;
    return remarks_.hasText(store_.at(pos).remarkIndex[monthSlot(month0, parity)]);
}

// ---- emergency contacts and special needs ------------------------------------

bool CVelnoDoc::isKeyReferenced(std::uint16_t key, bool emergencyKey) const {
    for (int pos = 1; pos < store_.recordCount(); ++pos) {
        const PublisherRecord& r = store_.at(pos);
        if ((emergencyKey ? r.emergId : r.specneed) == key) return true;
    }
    return false;
}

std::uint16_t CVelnoDoc::addEntry(KeyedEntryFile& file, const Bytes& entry) {
    const bool emergencyKey = &file == &emergency_;
    FileResult failure;
    const std::uint16_t key = file.addEntry(
        folder_, entry, [&](std::uint16_t k) { return isKeyReferenced(k, emergencyKey); },
        &failure);
    if (!failure) reportWriteFailure(failure);
    return key;
}

void CVelnoDoc::compactEmergency() {
    std::set<std::uint16_t> referenced;
    for (int pos = 1; pos < store_.recordCount(); ++pos)
        if (store_.at(pos).emergId) referenced.insert(store_.at(pos).emergId);
    const auto isReferenced = [&](std::uint16_t key) { return referenced.count(key) > 0; };
    const bool hasPublisher = !store_.subList(ListActive).empty();
    if (oldYearView || !hasPublisher) {
        emergency_.index(folder_, isReferenced);
        return;
    }
    const int dropped = emergency_.compact(folder_, isReferenced);
    if (dropped > 0) {
        loadReport_.emergencyEntriesDropped = dropped;
        note(text::arg(text::tr(text::TxNoteEmergencyDropped), num(dropped)));
    }
}

void CVelnoDoc::indexSpecialNeeds() {
    std::set<std::uint16_t> referenced;
    for (int pos = 1; pos < store_.recordCount(); ++pos)
        if (store_.at(pos).specneed) referenced.insert(store_.at(pos).specneed);
    specialNeeds_.index(folder_, [&](std::uint16_t key) { return referenced.count(key) > 0; });
    month_.newFormatActive = month_.reportStamp > kNewFormatFromStamp;
}

bool CVelnoDoc::isOldFormSlot(int month0, int parity) const {
    int year = month_.recentYear(month0);
    if (parityOfYear(year) != parity) --year;
    return stampOf(year, month0) <= kNewFormatFromStamp;
}

// ---- save ------------------------------------------------------------------

FileResult CVelnoDoc::writeMainFile() {
    // The texts are scrambled in a copy; the records in memory stay plain.
    std::unique_ptr<PublisherRecord[]> copy(new PublisherRecord[store_.recordCount()]);
    std::memcpy(copy.get(), store_.data(), kRecordSize * store_.recordCount());
    for (int pos = 0; pos < store_.recordCount(); ++pos) scrambleRecord(copy[pos]);
    // A header that does not scramble to its mark is not ours: writing
    // the records would store garbage under a good name.
    if (static_cast<unsigned char>(copy[0].lname[0]) != 'A' + kScrambleBase)
        return FileResult::failure(kMainFileName, EINVAL, text::tr(text::TxHeaderNotRecognised));

    // Under-one-hour marks of old-form months travel in their own file; the
    // main file drops them, as both are committed together.
    if (FileResult r = UnderHourMarks::writeUnderHourMarks(
            folder_, store_, [this](int m, int p) { return isOldFormSlot(m, p); });
        !r)
        return r;
    for (int pos = 1; pos < store_.recordCount(); ++pos)
        for (int m = 0; m < 12; ++m)
            for (int p = 0; p < 2; ++p)
                if (isOldFormSlot(m, p))
                    copy[pos].studiesWord[monthSlot(m, p)] &= ~StudiesWord::SharedOrUnderHour;
    if (FileResult r = folder_.write(kMainFileName, copy.get(), kRecordSize * store_.recordCount());
        !r)
        return r;
    if (FileResult r = totals_.writeTotals(folder_); !r) return r;
    return groups_.save(folder_);
}

SaveOutcome CVelnoDoc::saveAll(bool onExit) {
    (void)onExit;  // the records in memory are never changed by saving
    if (oldYearView) return SaveOutcome::NothingToSave;
    if (isReadOnly()) {
        prompter().tell(readOnlyMessage(), Icon::Error);
        return SaveOutcome::Refused;
    }

    if (rules_) rules_->beforeSave(*this);

    if (store_.recordCount() > 1) {
        PublisherRecord& head = store_.header();
        head.markStamp = documentCounter;
        head.categoryBits = static_cast<std::uint16_t>(
            (head.categoryBits & ~HeaderField::SavedMonthMask) | (month_.reportMonth0 + 1));
    }
    lateReports_.writeMarks(store_, month_);

    // Every file of the save reaches the disk in one commit, together with
    // whatever this run still holds; the first failure stops it whole.
    folder_.holdWrites();
    FileResult r = writeMainFile();
    if (r) r = meetings_.writeMeetings(folder_);
    if (r) r = privilegeDates_.writePrivilegeDates(folder_);
    if (r) r = remarks_.writeAll(folder_);
    if (r) r = viewOptions_.writeViewOptions(folder_);
    if (r && rules_) r = rules_->writeSettings(*this);
    if (r) {
        r = folder_.commitHeld();
    } else {
        folder_.discardHeld();
    }
    if (!r) {
        // The changes stay marked unsaved, so the exit question still
        // protects them.
        reportWriteFailure(r);
        return SaveOutcome::PartlyFailed;
    }
    dirty = false;
    tellKeptOriginals();
    return SaveOutcome::Saved;
}

int CVelnoDoc::writeExtension() {
    FileResult failure;
    const int entry = extensions_.writeExtension(folder_, &failure);
    if (!failure) reportWriteFailure(failure);
    return entry;
}

bool CVelnoDoc::writeEntryByKey(KeyedEntryFile& file, std::uint16_t key, const Bytes& entry) {
    const FileResult r = file.writeEntryByKey(folder_, key, entry);
    if (!r && r.error != ENOENT) reportWriteFailure(r);
    return r.ok();
}

bool CVelnoDoc::closeDocument() {
    bool saved = !dirty;
    if (dirty && !oldYearView) {
        const Answer answer = prompter().ask(text::tr(text::TxSaveChanges), Buttons::YesNoCancel,
                                             Answer::Yes, Icon::Question);
        if (answer == Answer::Cancel) return false;
        if (answer == Answer::Yes) {
            const SaveOutcome outcome = saveAll(true);
            if (outcome == SaveOutcome::PartlyFailed || outcome == SaveOutcome::Refused)
                return false;
            saved = true;
        } else {
            // No remark file existed at load: the remarks written since go too.
            const FileResult restored =
                folder_.exists(RemarkTable::kUndoFileName)
                    ? folder_.copy(RemarkTable::kUndoFileName, RemarkTable::kFileName)
                    : folder_.remove(RemarkTable::kFileName);
            reportWriteFailure(restored);
        }
    }
    if (saved && !oldYearView && !isReadOnly() && whenClosingSaved) whenClosingSaved(*this);
    // Only a copy; a folder that could not be read keeps even that.
    if (!oldYearView && !isReadOnly()) (void)folder_.remove(RemarkTable::kUndoFileName);
    store_.reset();
    remarks_.clear();
    dirty = false;
    return true;
}

}  // namespace velno
