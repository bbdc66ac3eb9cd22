#pragma once
// The one document of a run: the whole congregation of one data folder.
// Both the GUI and velno-cli drive it; subsystem operations live in their
// own folders and take the document.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "store/Calendar.h"
#include "store/CategoryTally.h"
#include "store/DataFolder.h"
#include "store/ExtensionTable.h"
#include "store/GroupTable.h"
#include "store/LateReportList.h"
#include "store/OldReportView.h"
#include "store/Prompter.h"
#include "store/RecordStore.h"
#include "store/RemarkTable.h"
#include "store/ReportMonth.h"
#include "store/Settings.h"
#include "store/files/KeyedEntryFile.h"
#include "store/files/MeetingAttendance.h"
#include "store/files/PrivilegeDates.h"
#include "store/files/ProfileFile.h"
#include "store/files/ReportTotals.h"
#include "store/files/ViewOptions.h"

namespace velno {

class CVelnoDoc;

// The older generation of data files, converted on first load. The
// document calls it at the steps of the load where the conversion belongs.
class PreviousFormat {
public:
    virtual ~PreviousFormat() = default;
    // The main file is missing or too short: fill the store from the older
    // files. Returns whether an older store was found and converted.
    virtual bool convertStore(CVelnoDoc& doc) = 0;
    // Remarks, report totals and late marks of the older files.
    virtual void convertSideTables(CVelnoDoc& doc) = 0;
    // "bkstudy.dat" of the older size.
    virtual void convertGroups(CVelnoDoc& doc) = 0;
    // The older side lists, appended to the store.
    virtual void appendSideLists(CVelnoDoc& doc) = 0;
    // The older attendance file.
    virtual void convertMeetings(CVelnoDoc& doc) = 0;
};

// What opening and saving a document does beyond its files: the password
// question, the month's totals at load and before a save, the settings
// after it. The session layer holds the program's rules; a document
// without rules loads and saves its files only.
class DocumentRules {
public:
    virtual ~DocumentRules() = default;
    // Load step: false refuses the document.
    virtual bool admit(CVelnoDoc& doc) const = 0;
    // After every load, the snapshot views included.
    virtual void loaded(CVelnoDoc& doc) const = 0;
    // Before the records are written.
    virtual void beforeSave(CVelnoDoc& doc) const = 0;
    // Within the save, so that the settings are committed with the data
    // files.
    virtual FileResult writeSettings(CVelnoDoc& doc) const = 0;
};

// What a load repaired or ignored; `velno-cli check` prints it.
struct LoadReport {
    bool mainFileFound = false;
    int duplicateIdsRepaired = 0;
    int extraCircuitOverseers = 0;
    int recordsBeyondCapacity = 0;
    int remarksCompactedAway = 0;
    int remarksOfUnknownPublishers = 0;
    int remarksWithBadSlot = 0;
    int emergencyEntriesDropped = 0;
    // Files that exist but could not be read: the document is read-only.
    std::vector<DataFolder::ReadFailure> unreadable;
    // Files the load had to repair; the save that replaces one keeps the
    // damaged original beside it.
    std::vector<std::string> damagedFiles;
    // The main file's header record is not ours (garbage, a damaged file).
    bool headerNotRecognised = false;
    std::vector<std::string> notes;  // UTF-8, one line per finding
};

// PartlyFailed: nothing of the save reached the disk (or, at worst, all of
// it does at the next load); the document stays modified. Refused: a file
// of the folder could not be read, so nothing may be written over it.
enum class SaveOutcome { Saved, NothingToSave, PartlyFailed, Refused };

class CVelnoDoc {
public:
    static constexpr const char* kMainFileName = "tdat9.bin";
    static constexpr std::size_t kMainFileMinimum = 400;
    static constexpr std::size_t kEmergencyEntrySize = 256;
    static constexpr std::size_t kEmergencyCapacity = 1000;
    static constexpr std::size_t kSpecialNeedsEntrySize = 96;

    CVelnoDoc();
    ~CVelnoDoc();
    CVelnoDoc(const CVelnoDoc&) = delete;
    CVelnoDoc& operator=(const CVelnoDoc&) = delete;

    // ---- services ------------------------------------------------------
    void setPrompter(Prompter* prompter) { prompter_ = prompter ? prompter : &silent_; }
    Prompter& prompter() { return *prompter_; }
    void setPreviousFormat(PreviousFormat* converter) { previous_ = converter; }
    PreviousFormat* previousFormat() const { return previous_; }
    // Null: the files only.
    void setRules(const DocumentRules* rules) { rules_ = rules; }
    const DocumentRules* rules() const { return rules_; }

    // ---- data folder ---------------------------------------------------
    DataFolder& folder() { return folder_; }
    const DataFolder& folder() const { return folder_; }

    // Sets today's date and derives the ReportMonth from it.
    void setToday(const CalendarDate& today);
    // Loads every file of the folder. False when the password was refused
    // (the document is then empty). Coming back to data already opened in
    // this run asks no password again.
    enum class Admission { Ask, AlreadyGiven };
    bool loadStore(const std::filesystem::path& folder, Admission admission = Admission::Ask);
    const LoadReport& loadReport() const { return loadReport_; }
    SaveOutcome saveAll(bool onExit = false);
    // Ends the run: with unsaved changes asks "Simpan perubahan?".
    // Returns false when the user cancels (the program stays open).
    bool closeDocument();
    // Runs at the end of the run when the files on disk hold every change
    // (saved at exit, or nothing was left unsaved), before the store is
    // emptied: the automatic backup.
    std::function<void(CVelnoDoc&)> whenClosingSaved;

    // ---- the store -----------------------------------------------------
    RecordStore& store() { return store_; }
    const RecordStore& store() const { return store_; }
    HeaderRecord header() { return HeaderRecord(store_.header()); }

    // Display name of a store position or a list handle; position 0 yields
    // an empty text. Windows-1252.
    std::string displayName(int pos, bool familyFirst = false) const;
    std::string displayNameOfHandle(std::uint16_t handle, bool familyFirst = false) const;
    // Report item 0..4 of a record at (month0, parity); other items yield 0.
    std::uint16_t item(int pos, int month0, int itemNumber, int parity) const;
    // Sorts by the current sort setting and rebuilds the index.
    void sortAndIndex();
    void rebuildIndex();
    // Removes a record for good with its household links, remarks and
    // privilege dates. The caller rebuilds the index.
    void deleteRecord(int pos);

    // ---- extended information -------------------------------------------
    ExtensionTable& extensions() { return extensions_; }
    // Bit set of what the record's extension holds (ExtensionBit), 0 when
    // it has none; a bad extSlot is reset.
    int extensionOf(int pos);
    // Writes the current extension buffer; returns its entry, 0 on failure.
    int writeExtension();

    // ---- remarks ---------------------------------------------------------
    RemarkTable& remarks() { return remarks_; }
    const RemarkTable& remarks() const { return remarks_; }
    bool remarkExists(int pos, int month0, int parity);
    FileResult blankRemarksOf(PublisherId id) { return remarks_.blankRemarksOf(folder_, id); }

    // ---- other tables ----------------------------------------------------
    GroupTable& groups() { return groups_; }
    const GroupTable& groups() const { return groups_; }
    MeetingAttendance& meetings() { return meetings_; }
    const MeetingAttendance& meetings() const { return meetings_; }
    ReportTotals& totals() { return totals_; }
    const ReportTotals& totals() const { return totals_; }
    PrivilegeDates& privilegeDates() { return privilegeDates_; }
    const PrivilegeDates& privilegeDates() const { return privilegeDates_; }
    ViewOptions& viewOptions() { return viewOptions_; }
    const ViewOptions& viewOptions() const { return viewOptions_; }
    KeyedEntryFile& emergency() { return emergency_; }
    KeyedEntryFile& specialNeeds() { return specialNeeds_; }
    const KeyedEntryFile& emergency() const { return emergency_; }
    const KeyedEntryFile& specialNeeds() const { return specialNeeds_; }
    std::optional<Bytes> readEntryByKey(KeyedEntryFile& file, std::uint16_t key) const {
        return file.readEntryByKey(key);
    }
    bool writeEntryByKey(KeyedEntryFile& file, std::uint16_t key, const Bytes& entry);
    std::uint16_t addEntry(KeyedEntryFile& file, const Bytes& entry);
    void compactEmergency();
    void indexSpecialNeeds();

    LateReportList& lateReports() { return lateReports_; }
    const LateReportList& lateReports() const { return lateReports_; }

    // ---- month -----------------------------------------------------------
    ReportMonth& reportMonth() { return month_; }
    const ReportMonth& reportMonth() const { return month_; }
    // Running totals of the ReportMonth (reporting/TallyMonth fills them).
    CategoryTally& tally() { return tally_; }
    const CategoryTally& tally() const { return tally_; }
    std::uint16_t documentCounter = 0;

    // ---- flags and settings ---------------------------------------------
    bool dirty = false;
    // The load leaves its own writes (compactions, the remarks' undo copy)
    // held, to be committed with the first save: one command, one commit.
    bool holdWritesUntilSave = false;
    bool oldYearView = false;
    bool convertedFromOld = false;
    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }
    // The settings file "velnoin.ini" (settings, report fonts). It stays
    // the live folder's while a snapshot is open.
    ProfileFile& profile() { return profile_; }
    const ProfileFile& profile() const { return profile_; }
    // Where the live data are while a snapshot is open (oldYearView).
    OldReportView& oldReportView() { return oldReportView_; }
    const OldReportView& oldReportView() const { return oldReportView_; }
    // Some active publisher has the special-servant bit (computed at start).
    bool hasSpecialServants = false;
    // Some active publisher has a special-needs category (set when the
    // publisher list closes; the special-needs lists use it).
    bool hasSpecialNeeds = false;

    // The month slot (month0, parity) belongs to the five-number form, judged
    // at its most recent occurrence seen from the ReportMonth.
    bool isOldFormSlot(int month0, int parity) const;

    // The message shown when a data file cannot be written: the file's
    // full path, and the system's reason (a full disk says so).
    void reportWriteFailure(const FileResult& failure);
    // A file of the folder exists but could not be read: nothing is saved
    // for the rest of the run.
    bool isReadOnly() const { return !folder_.readFailures().empty(); }
    // The message that says so, naming the file and the reason (UTF-8).
    std::string readOnlyMessage() const;

private:
    void loadMainFile();
    void unscrambleStore();
    void loadRemarks();
    void recomputeCollectionState();
    void noteDamage(const std::string& fileName, std::size_t size, std::size_t entrySize,
                    bool exactSize = false);
    void finishLoad(bool commitLoadWrites);
    void tellKeptOriginals();
    bool isKeyReferenced(std::uint16_t key, bool emergencyKey) const;
    FileResult writeMainFile();
    void note(std::string line);

    SilentPrompter silent_;
    Prompter* prompter_ = &silent_;
    PreviousFormat* previous_ = nullptr;
    const DocumentRules* rules_ = nullptr;

    DataFolder folder_;
    RecordStore store_;
    ExtensionTable extensions_;
    RemarkTable remarks_;
    GroupTable groups_;
    MeetingAttendance meetings_;
    ReportTotals totals_;
    PrivilegeDates privilegeDates_;
    ViewOptions viewOptions_;
    KeyedEntryFile emergency_{"emerg.dat", kEmergencyEntrySize, kEmergencyCapacity};
    KeyedEntryFile specialNeeds_{"spneed.dat", kSpecialNeedsEntrySize, 65535};
    LateReportList lateReports_;
    ReportMonth month_;
    CategoryTally tally_;
    Settings settings_;
    ProfileFile profile_;
    OldReportView oldReportView_;
    LoadReport loadReport_;
};

}  // namespace velno
