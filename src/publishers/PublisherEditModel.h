#pragma once
// The record editor (dialog 139 "Edit Informasi Penyiar "): one active
// publisher's names, contacts, dates, gender, appointment, pioneer kind of
// the ReportMonth and special needs. Every change is made on a copy of the
// record; the store sequence writes it back on "&OK", "&Sblm", "&Brkt",
// "Salin" and before "Pelantikan...".

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "publishers/DateLists.h"
#include "publishers/DeletePublisherModel.h"
#include "publishers/EmergencyContactModel.h"
#include "publishers/ExtraInfoModel.h"
#include "publishers/HouseholdModel.h"
#include "publishers/PublisherStatusModel.h"
#include "store/Households.h"
#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;
class PublisherSelectModel;
class ServicePrivilegesModel;

enum class EditMode { Add, Edit };
// Opened on a record of the inactive or the deleted list, the editor hides
// what does not apply there and dates the record's move to its list.
enum class SideListEdit { None, Inactive, Deleted };

enum class EditField { FirstName, LastName, Address, Phone, Mobile, Office, Email };
constexpr int kEditFieldCount = 7;

enum class EditCheck {
    HouseholdHead,
    Brother,
    Sister,
    SpecialPioneer,
    RegularPioneer,
    ContinuousAuxiliary,
    Anointed,
    Elder,
    Servant,
    BaptizedBrother,
    Deaf,
    Blind,
    Isolated,
    CustomCategory,
    Consent,
};
constexpr int kEditCheckCount = 15;

enum class EditDate { Birth, Baptism, Consent };

enum class EditButton {
    Group,
    Household,
    Status,
    Privileges,    // "Pelantikan..."
    ExtraInfo,     // "&Nama Lengkap - Informasi Lain "
    SpecialNeeds,  // "Kebutuhan khusus"
    Contact,       // "Kontak Ketiga"
    Copy,          // "Salin" / "Tempel"
    ClearCopy,     // "Hapus"
    Ok,
    Cancel,
    Previous,
    Next,
    Delete,
    PickConductor,   // "Pilih Pemandu PAR" (Bible students)
    ClearConductor,  // "Hapus Pemandu PAR"
};

// What a box shows after an update.
struct TextUpdate {
    std::string text;  // UTF-8
    int caret = -1;    // where the caret goes; -1 leaves it
    bool refused = false;
};

enum class EnterAction { Accept, FocusNext };

enum class StoreStatus {
    Stored,
    BlankLastName,  // silently not stored
    Refused,        // a duplicate left alone, or no room in the store
};

// The state the service-privileges dialog hands back on OK.
struct PrivilegeChecks {
    bool servant = false;
    bool elder = false;
    bool regularPioneer = false;
    bool continuousAuxiliary = false;
    bool specialPioneer = false;
    bool specialServant = false;
    bool missionary = false;
};

// The ReportMonth's service kind as the editor stores it: regular or
// special pioneer, else auxiliary when the slot held it or the publisher is
// a continuous auxiliary pioneer, else publisher.
void storeServiceKind(PublisherRecord& record, int slot, bool regular, bool special,
                      bool continuous);

class PublisherEditModel {
public:
    static constexpr int kNameLimit = 14;
    static constexpr int kAddressLimit = 60;
    static constexpr int kPhoneLimit = 14;
    static constexpr int kEmailKept = 50;
    // A first name and last name longer than this together turn the first
    // name into an initial.
    static constexpr int kCombinedNameLimit = 23;

    // Edit mode on the record at `storePos`, or add mode. `list` is the
    // publisher list the editor came from (for "&Sblm", "&Brkt", the
    // CopySource and refilling), or null.
    PublisherEditModel(CVelnoDoc& doc, PublisherSelectModel* list, EditMode mode, int storePos = 0);

    // The Bible-student editor ("Edit Pelajar Alkitab"): the same editor on
    // a record of the Bible-student list, or on a new one (ids from 2000).
    // A record of that list opened with the constructor is edited the same way.
    static constexpr PublisherId kFirstStudentId = 2000;
    static std::unique_ptr<PublisherEditModel> forBibleStudent(CVelnoDoc& doc, EditMode mode,
                                                               int storePos = 0);
    bool bibleStudent() const { return student_; }

    // The language code decides the AutoCaps exceptions.
    void setLanguageCode(std::string code) { language_ = std::move(code); }
    // Runs the status dialog that opens before the first store of a new
    // publisher; returns the fields on OK, nothing on cancel. Without it no
    // status is set.
    std::function<std::optional<StatusFields>(PublisherStatusModel&)> runStatusDialog;

    // ---- texts (UTF-8) ---------------------------------------------------
    std::string title() const;
    std::string caption(EditField field) const;
    std::string caption(EditCheck check) const;
    std::string caption(EditDate date) const;
    std::string buttonText(EditButton button) const;
    std::string specialServantText() const;
    std::string missionaryText() const;

    // ---- state -------------------------------------------------------------
    EditMode mode() const { return mode_; }
    int storePos() const { return storePos_; }
    const PublisherRecord& copy() const { return copy_; }
    bool closed() const { return closed_; }
    SideListEdit sideList() const { return side_; }

    // ---- the side-list date (inactive or deleted records only) --------------
    bool sideDateVisible() const { return side_ != SideListEdit::None; }
    std::string sideDateCaption() const;
    // 1950 up to the ReportMonth's calendar year.
    std::vector<std::string> sideYearLines() const;
    int sideMonth() const { return sideMonth_; }  // 1..12, 0 = none chosen
    int sideYear() const { return sideYear_; }    // 0 = none chosen
    void setSideMonth(int month);
    void setSideYear(int year);

    bool visible(EditButton button) const;
    bool enabled(EditButton button) const;
    bool visible(EditCheck check) const;
    bool enabled(EditCheck check) const;
    bool dateVisible(EditDate date) const;
    bool specialServantVisible() const;
    bool missionaryVisible() const;
    EditButton defaultButton() const { return EditButton::Ok; }
    // Characters a box accepts; 0 for no limit of its own.
    int fieldLimit(EditField field) const;

    std::string text(EditField field) const;
    bool checked(EditCheck check) const { return checks_[index(check)]; }
    const DateLists& date(EditDate date) const { return dates_[index(date)]; }
    int group() const { return copy_.group; }
    // The group picker of the group button reads the groups from here.
    const CVelnoDoc& document() const { return doc_; }
    // The Bible student's conductor (UTF-8), empty for none, and the line
    // "Pemandu Pelajaran Alkitab: name" shown while one is set.
    std::string conductor() const;
    bool conductorVisible() const { return student_ && !conductor().empty(); }
    std::string conductorLine() const;
    // Privilege kinds 1..5 marked in this opening of the editor.
    const std::set<int>& privilegeMarks() const { return marks_; }

    // ---- edits -------------------------------------------------------------
    // The text of a box after the user changed it. A character the data
    // files cannot hold is refused with a message and the box keeps its
    // text.
    TextUpdate setText(EditField field, const std::string& utf8);
    void focusLost(EditField field);
    void setChecked(EditCheck check, bool on);
    DateKeyAction dateChar(EditDate date, DatePart part, char c);
    DateKeyAction dateKey(EditDate date, DatePart part, DateKey key);
    void setDateLine(EditDate date, DatePart part, int line);
    void dateFocusEntered(EditDate date, DatePart part);
    // Chooses a whole date at once (0 for a blank part); false, with
    // nothing changed, when a part lies outside its list.
    bool setDate(EditDate date, int month, int day, int year);
    void setGroup(int group);
    // Enter acts as OK only with the focus on OK.
    EnterAction onEnter(bool focusOnOk) const {
        return focusOnOk ? EnterAction::Accept : EnterAction::FocusNext;
    }

    // ---- actions -----------------------------------------------------------
    // "&OK": stores and closes (a blank last name closes without storing;
    // a refused duplicate or a full store keeps the editor open).
    StoreStatus ok();
    // "&Batal": household changes made from this editor are taken back.
    void cancel();
    // "&Sblm" and "&Brkt": store, then the previous or next publisher of the
    // list, wrapping. Returns false when the editor stays on this one.
    bool previous() { return go(-1); }
    bool next() { return go(+1); }
    // "Salin" (store, then this publisher is the source) or "Tempel".
    void copyOrPaste();
    void clearCopySource();
    // "Pelantikan...": the store before the dialog opens.
    StoreStatus storeForPrivileges();
    void privilegesAccepted(const PrivilegeChecks& checks);
    // "&Status".
    PublisherStatusModel statusDialog() const;
    void applyStatus(const StatusFields& fields);
    // "&Hapus": the delete dialog, and its OK. The editor closes without
    // storing pending edits.
    DeletePublisherModel deleteDialog() const;
    bool applyDelete(const DeleteChoice& choice);
    // "Pilih Pemandu PAR" with the chosen publisher, and "Hapus Pemandu PAR".
    void setConductor(int storePos);
    void clearConductor();
    // "&Hapus" on a Bible student: the Yes/No question, and Yes, which
    // removes the record for good and closes the editor.
    std::string deleteStudentQuestion() const;
    bool deleteStudent();
    // The question asked through the document's prompter, then the deletion.
    bool askAndDeleteStudent();
    // The dialogs these buttons open, on the same document: the conductor
    // picker (the publisher list as a picker) and, after the store,
    // the service-privileges dialog of this record (null when not stored).
    std::unique_ptr<PublisherSelectModel> conductorPicker() const;
    std::unique_ptr<ServicePrivilegesModel> privilegesDialog();

    // The household button, "Kontak Ketiga", "&Nama Lengkap - Informasi
    // Lain " and "Kebutuhan khusus": their dialogs work on this editor's
    // copy (and journal).
    HouseholdModel householdDialog();
    EmergencyContactModel contactDialog();
    ExtraInfoModel extraInfoDialog(ExtraFocus focus);
    const HouseholdJournal& householdJournal() const { return journal_; }

    // The whole store sequence (used by the actions above).
    enum class Trigger { Ok, Step, Copy, Privileges };
    StoreStatus store(Trigger trigger);

private:
    template <typename E>
    static constexpr int index(E e) {
        return static_cast<int>(e);
    }
    void load();
    void loadBlank();
    void applyInterlocks(EditCheck check);
    void writeControls();
    void writeServiceKind();
    bool writeExtension();
    void writePrivilegeMarks();
    void writeConsent();
    bool autoCapsApplies() const;
    // First name, a blank and the last name (UTF-8), as the status dialog
    // is titled.
    std::string fullName() const;
    bool go(int delta);
    std::optional<PublisherId>& copySource();
    bool haveCopySource() const;
    int currentPosition() const;
    int householdMembers() const;
    void baptismChanged();
    void loadSideDate();
    void writeSideDate();

    CVelnoDoc& doc_;
    PublisherSelectModel* list_;
    EditMode mode_;
    int storePos_;
    std::string language_;
    PublisherRecord copy_{};
    std::string originalFirst_;
    std::string originalLast_;
    // Windows-1252 texts of the boxes.
    std::array<std::string, kEditFieldCount> texts_;
    std::string longName_;
    std::string otherInfo_;
    std::uint16_t extensionMarker_ = 0;
    HouseholdJournal journal_;
    std::array<bool, kEditCheckCount> checks_{};
    std::array<DateLists, 3> dates_;
    std::set<int> marks_;
    int rememberedFirstLength_ = 0;
    std::optional<PublisherId> ownCopySource_;
    bool closed_ = false;
    SideListEdit side_ = SideListEdit::None;
    bool student_ = false;
    int sideMonth_ = 0;
    int sideYear_ = 0;
};

}  // namespace velno
