#include "publishers/EmergencyContactModel.h"

#include <cstring>

#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "store/Households.h"
#include "text/Cp1252.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

namespace {

constexpr std::size_t kTextLimit = 95;
constexpr std::size_t kPhoneLimit = 15;

bool sameEntry(const EmergencyContact& a, const EmergencyContact& b) {
    // The key is not part of what the user sees.
    return std::memcmp(reinterpret_cast<const char*>(&a) + 2, reinterpret_cast<const char*>(&b) + 2,
                       sizeof a - 2) == 0;
}

}  // namespace

EmergencyContactModel::EmergencyContactModel(CVelnoDoc& doc, PublisherRecord& record,
                                             std::string displayName)
    : doc_(doc), record_(record), title_(std::move(displayName)) {
    if (const auto contact = contactByKey(doc_, record_.emergId)) {
        used_ = record_.emergId;
        load(*contact);
    }
    opened_ = entry();
}

void EmergencyContactModel::load(const EmergencyContact& c) {
    texts_[0] = fieldText(c.contact);
    texts_[1] = fieldText(c.info);
    texts_[2] = fieldText(c.homePhone);
    texts_[3] = fieldText(c.mobilePhone);
    texts_[4] = fieldText(c.officePhone);
    sy_ = c.sy != 0;
}

EmergencyContact EmergencyContactModel::entry() const {
    EmergencyContact c{};
    setFieldText(c.contact, std::string(trimmed(texts_[0])));
    setFieldText(c.info, texts_[1]);
    setFieldText(c.homePhone, texts_[2]);
    setFieldText(c.mobilePhone, texts_[3]);
    setFieldText(c.officePhone, texts_[4]);
    c.sy = sy_ ? 1 : 0;
    return c;
}

std::string EmergencyContactModel::caption(ContactField field) const {
    switch (field) {
        case ContactField::Contact:
            return text::tr(text::TxContactPerson);
        case ContactField::Info:
            return text::tr(text::TxContactInfo);
        case ContactField::Home:
            return text::tr(text::TxContactHome);
        case ContactField::Mobile:
            return text::tr(text::TxContactMobile);
        case ContactField::Office:
            break;
    }
    return text::tr(text::TxContactOffice);
}

std::string EmergencyContactModel::syCaption() const {
    return text::tr(text::TxContactSy);
}

int EmergencyContactModel::limit(ContactField field) {
    return static_cast<int>(
        field == ContactField::Contact || field == ContactField::Info ? kTextLimit : kPhoneLimit);
}

std::string EmergencyContactModel::text(ContactField field) const {
    return text::cp1252ToUtf8(texts_[static_cast<int>(field)]);
}

bool EmergencyContactModel::setText(ContactField field, const std::string& utf8) {
    return acceptBoxText(doc_, texts_[static_cast<int>(field)], utf8,
                         static_cast<std::size_t>(limit(field)));
}

bool EmergencyContactModel::useExistingVisible() const {
    return severalEntries(doc_, SharedKind::Contact);
}

std::string EmergencyContactModel::useExistingText() const {
    return text::tr(text::TxContactUseExisting);
}

SharedEntryChooserModel EmergencyContactModel::chooser() const {
    std::uint16_t preselect = 0;
    const int head = householdHeadOf(doc_.store(), record_);
    if (head > 0 && doc_.store().at(head).id != record_.id)
        preselect = doc_.store().at(head).emergId;
    return SharedEntryChooserModel(doc_, SharedEntryChooserModel::Mode::Contacts, preselect);
}

void EmergencyContactModel::useExisting(std::uint16_t key) {
    const auto contact = contactByKey(doc_, key);
    if (!contact) return;
    load(*contact);
    used_ = key;
    opened_ = entry();
}

bool EmergencyContactModel::sharedNoteVisible() const {
    return used_ != 0 && otherLinks(doc_, SharedKind::Contact, used_, record_.id) > 0;
}

std::string EmergencyContactModel::sharedNote() const {
    return text::tr(text::TxContactSharedNote);
}

std::string EmergencyContactModel::stopSharingText() const {
    return text::tr(text::TxContactStopSharing);
}

void EmergencyContactModel::stopSharing() {
    const Answer answer = doc_.prompter().ask(text::tr(text::TxClearFields), Buttons::YesNoCancel,
                                              Answer::Yes, Icon::Question);
    if (answer == Answer::Cancel) return;
    used_ = 0;
    if (answer == Answer::Yes) {
        for (auto& t : texts_) t.clear();
        sy_ = false;
    }
    // Kept texts are a private entry now: OK stores them anew.
    opened_ = EmergencyContact{};
}

bool EmergencyContactModel::ok() {
    const EmergencyContact c = entry();
    if (trimmed(fieldText(c.contact)).empty()) {
        // The entry itself stays in the file for whoever else uses it.
        record_.emergId = 0;
        return true;
    }
    if (used_ != 0 && sameEntry(c, opened_)) {
        record_.emergId = used_;
        return true;
    }
    const std::uint16_t key = storeSharedEntry(doc_, SharedKind::Contact, used_, entryBytes(c));
    if (key == 0) return false;
    record_.emergId = key;
    used_ = key;
    opened_ = c;
    return true;
}

}  // namespace velno
