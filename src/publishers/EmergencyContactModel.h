#pragma once
// The emergency-contact dialog (dialog 147, "Kontak Ketiga" in the record
// editor): the contact outside the household of one publisher. Contacts
// are shared: a publisher may use another's entry, and editing a shared
// entry changes it for everyone who uses it. The link goes into the
// editor's copy of the record; "emerg.dat" is written at once.

#include <array>
#include <cstdint>
#include <string>

#include "publishers/SharedEntryChooserModel.h"
#include "store/Prompter.h"
#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;

enum class ContactField { Contact, Info, Home, Mobile, Office };
constexpr int kContactFieldCount = 5;

class EmergencyContactModel {
public:
    // `record` is the editor's copy; only its emergId is changed, on OK.
    // `displayName` (UTF-8) titles the dialog.
    EmergencyContactModel(CVelnoDoc& doc, PublisherRecord& record, std::string displayName);

    std::string title() const { return title_; }
    std::string caption(ContactField field) const;
    std::string syCaption() const;
    static int limit(ContactField field);

    std::string text(ContactField field) const;  // UTF-8
    // False, with a message, when the text holds a character the file
    // cannot keep; the box keeps its text.
    bool setText(ContactField field, const std::string& utf8);
    bool sy() const { return sy_; }
    void setSy(bool on) { sy_ = on; }

    // "Gunakan kontak pihak ketiga yang telah ada": shown when more than
    // one contact exists.
    bool useExistingVisible() const;
    std::string useExistingText() const;
    // The chooser, with the household head's contact preselected.
    SharedEntryChooserModel chooser() const;
    // The chooser's OK: the contact is copied into the fields and used.
    void useExisting(std::uint16_t key);

    // The note and "Berhenti Menggunakan Kontak Ini": shown while another
    // publisher uses the contact in the fields.
    bool sharedNoteVisible() const;
    std::string sharedNote() const;
    std::string stopSharingText() const;
    // Asks "Clear Fields?" (Yes/No/Cancel) through the document's prompter.
    void stopSharing();

    // The entry the fields come from (0: a new one on OK).
    std::uint16_t usedKey() const { return used_; }

    // OK: stores the contact and links it. False when "emerg.dat" could
    // not be written (told); the link is then left as it was.
    bool ok();

private:
    EmergencyContact entry() const;
    void load(const EmergencyContact& contact);

    CVelnoDoc& doc_;
    PublisherRecord& record_;
    std::string title_;
    std::array<std::string, kContactFieldCount> texts_;  // Windows-1252
    bool sy_ = false;
    std::uint16_t used_ = 0;
    // The entry as the dialog opened (or as last chosen): OK writes only a change.
    EmergencyContact opened_{};
};

}  // namespace velno
