#include "publishers/PublisherEditModel.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

#include "publishers/MonthChoiceModel.h"
#include "publishers/PublisherMoves.h"
#include "publishers/PublisherSelectModel.h"
#include "publishers/RecordPlacement.h"
#include "publishers/RecordTextInput.h"
#include "publishers/ServicePrivilegesModel.h"
#include "store/CVelnoDoc.h"
#include "store/Calendar.h"
#include "store/FixedText.h"
#include "store/Scrambler.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/CommonTexts.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

namespace {

// A year list of the editor: 121 years up to the year after the ReportMonth's.
constexpr int kYearsBack = 119;
constexpr char kBlankDate[] = "        ";

struct Interlock {
    EditCheck checked;
    std::vector<EditCheck> cleared;
    std::optional<EditCheck> alsoSet;
};

// Checking a box clears or sets others; unchecking changes nothing else.
const std::vector<Interlock>& interlocks() {
    using C = EditCheck;
    static const std::vector<Interlock> table = {
        {C::Elder, {C::Servant, C::BaptizedBrother, C::Sister}, C::Brother},
        {C::Servant, {C::Elder, C::BaptizedBrother, C::Sister}, C::Brother},
        {C::BaptizedBrother, {C::Elder, C::Servant, C::Sister}, C::Brother},
        {C::Sister, {C::Brother, C::Servant, C::Elder, C::BaptizedBrother}, std::nullopt},
        {C::Brother, {C::Sister}, std::nullopt},
        {C::RegularPioneer, {C::ContinuousAuxiliary, C::SpecialPioneer}, std::nullopt},
        {C::ContinuousAuxiliary, {C::RegularPioneer, C::SpecialPioneer}, std::nullopt},
        {C::SpecialPioneer, {C::ContinuousAuxiliary, C::RegularPioneer}, std::nullopt},
    };
    return table;
}

// The boxes that date an appointment, with their privilege kinds.
struct MarkedBox {
    EditCheck check;
    int kind;
};
constexpr MarkedBox kMarkedBoxes[] = {
    {EditCheck::Servant, PrivilegeKind::Servant},
    {EditCheck::Elder, PrivilegeKind::Elder},
    {EditCheck::RegularPioneer, PrivilegeKind::RegularPioneer},
    {EditCheck::ContinuousAuxiliary, PrivilegeKind::ContinuousAuxiliary},
    {EditCheck::SpecialPioneer, PrivilegeKind::SpecialPioneer},
};

std::string cut(std::string text, std::size_t limit) {
    if (text.size() > limit) text.resize(limit);
    return text;
}

PrivilegeDateEntry* findEntry(CVelnoDoc& doc, PublisherId id, int kind) {
    return doc.privilegeDates().find(id, static_cast<std::uint16_t>(kind));
}

// A new row of (id, kind), or nothing when the table is full.
PrivilegeDateEntry* addEntry(CVelnoDoc& doc, PublisherId id, int kind) {
    return doc.privilegeDates().add(id, static_cast<std::uint16_t>(kind));
}

}  // namespace

PublisherEditModel::PublisherEditModel(CVelnoDoc& doc, PublisherSelectModel* list, EditMode mode,
                                       int storePos)
    : doc_(doc),
      list_(list),
      mode_(mode),
      storePos_(mode == EditMode::Edit ? storePos : 0),
      language_(text::tr(text::LanguageCode)),
      dates_{DateLists(doc.reportMonth().reportYear() - kYearsBack,
                       doc.reportMonth().reportYear() + 1, doc.reportMonth().reportYear2),
             DateLists(doc.reportMonth().reportYear() - kYearsBack,
                       doc.reportMonth().reportYear() + 1, doc.reportMonth().reportYear2),
             DateLists(doc.reportMonth().reportYear() - kYearsBack,
                       doc.reportMonth().reportYear() + 1, doc.reportMonth().reportYear2)} {
    if (mode_ == EditMode::Edit && (storePos_ <= 0 || storePos_ >= doc_.store().recordCount()))
        mode_ = EditMode::Add;
    if (mode_ == EditMode::Add)
        loadBlank();
    else
        load();
}

std::unique_ptr<PublisherEditModel> PublisherEditModel::forBibleStudent(CVelnoDoc& doc,
                                                                        EditMode mode,
                                                                        int storePos) {
    auto m = std::make_unique<PublisherEditModel>(doc, nullptr, mode, storePos);
    if (m->mode_ == EditMode::Add) {
        m->student_ = true;
        m->copy_.listKind = ListBibleStudent;
        m->copy_.id = doc.store().freeId(kFirstStudentId);
    }
    return m;
}

// ---- loading --------------------------------------------------------------

void PublisherEditModel::loadBlank() {
    journal_.clear();
    copy_ = PublisherRecord{};
    copy_.id = doc_.store().freeId(RecordStore::kFirstFreeId);
    texts_.fill({});
    longName_.clear();
    otherInfo_.clear();
    extensionMarker_ = 0;
    checks_.fill(false);
    for (auto& d : dates_) d.load(kBlankDate);
    marks_.clear();
    originalFirst_.clear();
    originalLast_.clear();
    rememberedFirstLength_ = 0;
}

void PublisherEditModel::load() {
    journal_.clear();
    doc_.extensionOf(storePos_);  // reads the entry; resets a bad slot
    copy_ = doc_.store().at(storePos_);
    const PublisherRecord& r = copy_;
    side_ = r.listKind == ListInactive  ? SideListEdit::Inactive
            : r.listKind == ListDeleted ? SideListEdit::Deleted
                                        : SideListEdit::None;
    student_ = r.listKind == ListBibleStudent;

    texts_[index(EditField::FirstName)] = fieldText(r.fname);
    texts_[index(EditField::LastName)] = fieldText(r.lname);
    texts_[index(EditField::Address)] = fieldText(r.addr);
    texts_[index(EditField::Phone)] = fieldText(r.phone);
    texts_[index(EditField::Mobile)] = fieldText(r.phone2);
    texts_[index(EditField::Office)] = fieldText(r.phone3);
    texts_[index(EditField::Email)].clear();
    longName_.clear();
    otherInfo_.clear();
    extensionMarker_ = 0;
    if (r.extSlot != 0) {
        const PublisherExtension& e = doc_.extensions().current();
        texts_[index(EditField::Email)] = fieldText(e.email);
        longName_ = fieldText(e.longName);
        otherInfo_ = fieldText(e.other);
        extensionMarker_ = e.marker;
    }
    originalFirst_ = texts_[index(EditField::FirstName)];
    originalLast_ = texts_[index(EditField::LastName)];
    rememberedFirstLength_ = static_cast<int>(originalFirst_.size());

    checks_.fill(false);
    auto set = [this](EditCheck c, bool on) { checks_[index(c)] = on; };
    set(EditCheck::Elder, r.privilege() == PrivilegeElder);
    set(EditCheck::Servant, r.privilege() == PrivilegeServant);
    set(EditCheck::BaptizedBrother, r.privilege() == PrivilegeBaptizedBrother);
    set(EditCheck::HouseholdHead, r.flags & RecordFlag::HouseholdHead);
    set(EditCheck::ContinuousAuxiliary, r.flags & RecordFlag::ContinuousAuxiliary);
    // On a side list the box shows the exclusion from the group lists.
    set(EditCheck::CustomCategory, side_ == SideListEdit::None
                                       ? (r.flags & RecordFlag::CustomCategory) != 0
                                       : (r.flags & RecordFlag::NoGroupOnSideList) != 0);
    set(EditCheck::Brother, r.flags & RecordFlag::Brother);
    set(EditCheck::Sister, r.flags & RecordFlag::Sister);
    if (!(r.flags & (RecordFlag::Brother | RecordFlag::Sister)) && r.privilege() != PrivilegeNone)
        set(EditCheck::Brother, true);
    const int kind = r.kindAt(doc_.reportMonth().slot());
    set(EditCheck::RegularPioneer, kind == ServiceRegular);
    set(EditCheck::SpecialPioneer, kind == ServiceSpecial);
    set(EditCheck::Anointed, r.hope == 'A');
    set(EditCheck::Deaf, r.moreBits & MoreBit::Deaf);
    set(EditCheck::Blind, r.moreBits & MoreBit::Blind);
    set(EditCheck::Isolated, r.moreBits & MoreBit::Isolated);

    dates_[index(EditDate::Birth)].load(fieldText(r.birdate));
    dates_[index(EditDate::Baptism)].load(fieldText(r.bapdate));
    const PrivilegeDateEntry* consent = findEntry(doc_, r.id, PrivilegeKind::Consent);
    set(EditCheck::Consent, consent != nullptr);
    dates_[index(EditDate::Consent)].load(consent ? fieldText(consent->start) : kBlankDate);
    marks_.clear();
    loadSideDate();
}

void PublisherEditModel::loadSideDate() {
    sideMonth_ = 0;
    sideYear_ = 0;
    int month = 0;
    int year = 0;
    if (side_ == SideListEdit::Inactive) {
        month = copy_.statusMonth();
        year = yearFromByte(copy_.listYear);
    } else if (side_ == SideListEdit::Deleted) {
        month = copy_.markStamp % 256;
        year = MonthChoiceModel::kFirstYear + copy_.markStamp / 256;
    }
    // A part the lists cannot show stays unchosen, and is then kept as stored.
    setSideMonth(month);
    setSideYear(year);
}

// ---- the side-list date ---------------------------------------------------

std::string PublisherEditModel::sideDateCaption() const {
    if (side_ == SideListEdit::Inactive) return text::tr(text::TxMoveVerbInactive);
    return " " + text::tr(text::TxDeletedWord) + " ";
}

std::vector<std::string> PublisherEditModel::sideYearLines() const {
    std::vector<std::string> out;
    for (int y = MonthChoiceModel::kFirstYear; y <= doc_.reportMonth().reportYear(); ++y)
        out.push_back(std::to_string(y));
    return out;
}

void PublisherEditModel::setSideMonth(int month) {
    if (month >= 1 && month <= 12) sideMonth_ = month;
}

void PublisherEditModel::setSideYear(int year) {
    if (year >= MonthChoiceModel::kFirstYear && year <= doc_.reportMonth().reportYear())
        sideYear_ = year;
}

void PublisherEditModel::writeSideDate() {
    // A date not fully chosen leaves the stored one as it was.
    if (sideMonth_ == 0 || sideYear_ == 0) return;
    if (side_ == SideListEdit::Inactive) {
        const ReportMonth& rm = doc_.reportMonth();
        // Never dated in the future.
        const int year = sideYear_ == rm.reportYear() && sideMonth_ - 1 > rm.reportMonth0
                             ? sideYear_ - 1
                             : sideYear_;
        copy_.statusMark = static_cast<std::uint8_t>(16 * sideMonth_);
        copy_.listYear = yearToByte(year);
    } else if (side_ == SideListEdit::Deleted) {
        copy_.markStamp = deletionStamp(sideMonth_, sideYear_);
    }
}

// ---- texts ----------------------------------------------------------------

std::string PublisherEditModel::title() const {
    return text::tr(student_ ? text::TxStudentEditTitle : text::TxEditTitle);
}

std::string PublisherEditModel::caption(EditField field) const {
    switch (field) {
        case EditField::FirstName:
            return text::tr(text::TxFirstName);
        case EditField::LastName:
            return text::tr(text::TxLastName);
        case EditField::Address:
            return text::tr(text::TxAddress);
        case EditField::Phone:
            return text::tr(text::TxPhone);
        case EditField::Mobile:
            return text::tr(text::TxMobile);
        case EditField::Office:
            return text::tr(text::TxOfficePhone);
        case EditField::Email:
            break;
    }
    return text::tr(text::TxEmail);
}

std::string PublisherEditModel::caption(EditCheck check) const {
    switch (check) {
        case EditCheck::HouseholdHead:
            return text::tr(text::TxHouseholdHead);
        case EditCheck::Brother:
            return text::tr(text::TxBrother);
        case EditCheck::Sister:
            return text::tr(text::TxSister);
        case EditCheck::SpecialPioneer:
            return text::tr(text::TxEditSpecialPioneer);
        case EditCheck::RegularPioneer:
            return text::tr(text::TxEditRegularPioneer);
        case EditCheck::ContinuousAuxiliary:
            return text::tr(text::TxContinuousAuxiliary);
        case EditCheck::Anointed:
            return text::tr(text::TxAnointed);
        case EditCheck::Elder:
            return text::tr(text::TxEditElder);
        case EditCheck::Servant:
            return text::tr(text::TxEditServant);
        case EditCheck::BaptizedBrother:
            return text::tr(text::TxEditBaptizedBrother);
        case EditCheck::Deaf:
            return text::tr(text::TxDeaf);
        case EditCheck::Blind:
            return text::tr(text::TxBlind);
        case EditCheck::Isolated:
            return text::tr(text::TxIsolated);
        case EditCheck::CustomCategory:
            if (side_ != SideListEdit::None) return text::tr(text::TxExcludeFromGroups);
            return text::cp1252ToUtf8(cut(doc_.settings().customCategoryName, 15));
        case EditCheck::Consent:
            break;
    }
    return text::tr(text::TxConsent);
}

std::string PublisherEditModel::caption(EditDate date) const {
    switch (date) {
        case EditDate::Birth:
            return text::tr(text::TxBirthDate);
        case EditDate::Baptism:
            return text::tr(text::TxBaptismDate);
        case EditDate::Consent:
            break;
    }
    return {};
}

std::string PublisherEditModel::buttonText(EditButton button) const {
    switch (button) {
        case EditButton::Group:
            return copy_.group == 0 ? text::tr(text::TxNoGroup)
                                    : text::cp1252ToUtf8(doc_.groups().displayName(copy_.group));
        case EditButton::Household:
            return checked(EditCheck::HouseholdHead) ? text::tr(text::TxHouseholdEdit)
                                                     : text::tr(text::TxHouseholdView);
        case EditButton::Status:
            return text::tr(text::TxStatusButton);
        case EditButton::Privileges:
            return text::tr(text::TxPrivilegesButton);
        case EditButton::ExtraInfo:
            return text::tr(text::TxExtraInfoButton);
        case EditButton::SpecialNeeds:
            return text::tr(text::TxSpecialNeedsButton);
        case EditButton::Contact:
            return text::tr(text::TxContactButton);
        case EditButton::Copy: {
            return text::tr(haveCopySource() ? text::TxPasteButton : text::TxCopyButton);
        }
        case EditButton::ClearCopy:
            return text::tr(text::TxClearCopyButton);
        case EditButton::Ok:
            return text::tr(text::TxEditOk);
        case EditButton::Cancel:
            return text::tr(text::TxEditCancel);
        case EditButton::Previous:
            return text::tr(text::TxEditPrevious);
        case EditButton::Next:
            return text::tr(text::TxEditNext);
        case EditButton::PickConductor:
            return text::tr(text::TxStudentPickConductor);
        case EditButton::ClearConductor:
            return text::tr(text::TxStudentClearConductor);
        case EditButton::Delete:
            break;
    }
    return text::tr(text::TxEditDelete);
}

std::string PublisherEditModel::specialServantText() const {
    return text::tr(text::TxSpecialServantMark);
}

std::string PublisherEditModel::missionaryText() const {
    return text::tr(text::TxMissionaryMark);
}

// ---- visibility -------------------------------------------------------------

int PublisherEditModel::householdMembers() const {
    int n = 0;
    const RecordStore& store = doc_.store();
    for (int p = 1; p < store.recordCount(); ++p)
        if (store.at(p).household == copy_.id && store.at(p).id != copy_.id) ++n;
    return n;
}

bool PublisherEditModel::visible(EditButton button) const {
    const bool adding = mode_ == EditMode::Add;
    if (side_ != SideListEdit::None) {
        switch (button) {
            case EditButton::Status:
            case EditButton::Delete:
            case EditButton::Previous:
            case EditButton::Next:
            case EditButton::Privileges:
                return false;
            case EditButton::Household:
            case EditButton::Copy:
            case EditButton::ClearCopy:
            case EditButton::Contact:
            case EditButton::SpecialNeeds:
            case EditButton::Group:
                if (side_ == SideListEdit::Deleted) return false;
                break;
            default:
                break;
        }
    }
    if (student_) {
        switch (button) {
            case EditButton::Status:
            case EditButton::Previous:
            case EditButton::Next:
            case EditButton::Copy:
            case EditButton::ClearCopy:
            case EditButton::Privileges:
                return false;
            case EditButton::PickConductor:
                return true;
            case EditButton::ClearConductor:
                return conductorVisible();
            default:
                break;
        }
    }
    const bool haveSource = haveCopySource();
    switch (button) {
        case EditButton::PickConductor:
        case EditButton::ClearConductor:
            return student_;
        case EditButton::Household:
            return checked(EditCheck::HouseholdHead) || copy_.household != 0;
        case EditButton::Privileges:
            return dates_[index(EditDate::Baptism)].complete();
        case EditButton::Copy:
            return !(adding && !haveSource);
        case EditButton::ClearCopy:
            return haveSource;
        case EditButton::Previous:
        case EditButton::Next:
            return !adding && list_ != nullptr;
        case EditButton::Delete:
            return !adding;
        default:
            return true;
    }
}

bool PublisherEditModel::enabled(EditButton button) const {
    switch (button) {
        case EditButton::Household:
        case EditButton::ExtraInfo:
        case EditButton::SpecialNeeds:
        case EditButton::Contact:
            // Their dialogs write through at once: never into a snapshot.
            return visible(button) && !doc_.oldYearView;
        default:
            return visible(button);
    }
}

bool PublisherEditModel::visible(EditCheck check) const {
    if (side_ != SideListEdit::None) {
        switch (check) {
            case EditCheck::RegularPioneer:
            case EditCheck::ContinuousAuxiliary:
            case EditCheck::Elder:
            case EditCheck::Servant:
            case EditCheck::BaptizedBrother:
            case EditCheck::SpecialPioneer:
                return false;
            case EditCheck::CustomCategory:
            case EditCheck::HouseholdHead:
                return side_ == SideListEdit::Inactive;
            default:
                return true;
        }
    }
    if (student_) {
        switch (check) {
            case EditCheck::RegularPioneer:
            case EditCheck::ContinuousAuxiliary:
            case EditCheck::Elder:
            case EditCheck::Servant:
            case EditCheck::BaptizedBrother:
            case EditCheck::SpecialPioneer:
            case EditCheck::Anointed:
                return false;
            default:
                break;
        }
    }
    if (check == EditCheck::CustomCategory)
        return doc_.settings().customCategoryEnabled != 0 &&
               !trimmed(doc_.settings().customCategoryName).empty();
    return true;
}

bool PublisherEditModel::enabled(EditCheck check) const {
    if (check == EditCheck::HouseholdHead)
        return !(checked(EditCheck::HouseholdHead) && householdMembers() > 0);
    return visible(check);
}

bool PublisherEditModel::dateVisible(EditDate date) const {
    if (student_ && date != EditDate::Consent) return false;
    return date != EditDate::Consent || checked(EditCheck::Consent);
}

bool PublisherEditModel::specialServantVisible() const {
    return copy_.categoryBits & CategoryBit::SpecialServant;
}

bool PublisherEditModel::missionaryVisible() const {
    return copy_.categoryBits & CategoryBit::Missionary;
}

int PublisherEditModel::fieldLimit(EditField field) const {
    switch (field) {
        case EditField::FirstName:
        case EditField::LastName:
            return kNameLimit;
        case EditField::Address:
            return kAddressLimit;
        case EditField::Phone:
        case EditField::Mobile:
        case EditField::Office:
            return kPhoneLimit;
        case EditField::Email:
            break;
    }
    return 0;
}

std::string PublisherEditModel::fullName() const {
    return text::cp1252ToUtf8(trimmed(texts_[index(EditField::FirstName)])) + " " +
           text::cp1252ToUtf8(trimmed(texts_[index(EditField::LastName)]));
}

std::string PublisherEditModel::text(EditField field) const {
    return text::cp1252ToUtf8(texts_[index(field)]);
}

// ---- edits -------------------------------------------------------------------

bool PublisherEditModel::autoCapsApplies() const {
    if (!doc_.settings().autoCaps) return false;
    static const char* const kExceptions[] = {"turkish", "french", "greek", "tha", "rus"};
    for (const char* code : kExceptions)
        if (language_ == code) return false;
    return language_.empty() || language_[0] != 'U';
}

TextUpdate PublisherEditModel::setText(EditField field, const std::string& utf8) {
    const int limit = fieldLimit(field);
    const std::size_t kept = limit ? static_cast<std::size_t>(limit) : kEmailKept;
    RecordTextInput input = recordTextInput(utf8, kept);
    TextUpdate update;
    if (!input.ok) {
        doc_.prompter().tell(input.message, Icon::Warning);
        update.text = text(field);
        update.refused = true;
        return update;
    }
    std::string& value = texts_[index(field)];
    const bool isName = field == EditField::FirstName || field == EditField::LastName;
    if (isName && autoCapsApplies() && !input.bytes.empty() && input.bytes[0] >= 'a' &&
        input.bytes[0] <= 'z') {
        input.bytes[0] = static_cast<char>(input.bytes[0] - 'a' + 'A');
        update.caret = 1;
    }
    if (input.cut) update.caret = static_cast<int>(input.bytes.size());
    const bool lastChanged = field == EditField::LastName && value != input.bytes;
    value = std::move(input.bytes);
    if (lastChanged) {
        std::string& first = texts_[index(EditField::FirstName)];
        if (rememberedFirstLength_ + static_cast<int>(value.size()) > kCombinedNameLimit &&
            !first.empty()) {
            first = std::string(1, first[0]) + ".";
            rememberedFirstLength_ = 2;
        }
    }
    update.text = text(field);
    return update;
}

void PublisherEditModel::focusLost(EditField field) {
    if (field == EditField::FirstName)
        rememberedFirstLength_ = static_cast<int>(texts_[index(EditField::FirstName)].size());
}

void PublisherEditModel::applyInterlocks(EditCheck check) {
    for (const Interlock& rule : interlocks()) {
        if (rule.checked != check) continue;
        for (EditCheck c : rule.cleared) checks_[index(c)] = false;
        if (rule.alsoSet) checks_[index(*rule.alsoSet)] = true;
    }
}

void PublisherEditModel::setChecked(EditCheck check, bool on) {
    if (!enabled(check)) return;
    const auto before = checks_;
    checks_[index(check)] = on;
    if (on) applyInterlocks(check);
    if (on && check == EditCheck::HouseholdHead) copy_.household = 0;
    for (const MarkedBox& box : kMarkedBoxes) {
        const bool now = checks_[index(box.check)];
        if (now == before[index(box.check)]) continue;
        if (now)
            marks_.insert(box.kind);
        else
            marks_.erase(box.kind);
    }
}

void PublisherEditModel::baptismChanged() {
    setFieldText(copy_.bapdate, dates_[index(EditDate::Baptism)].dateText());
}

DateKeyAction PublisherEditModel::dateChar(EditDate date, DatePart part, char c) {
    const DateKeyAction action = dates_[index(date)].onChar(part, c);
    if (date == EditDate::Baptism) baptismChanged();
    return action;
}

DateKeyAction PublisherEditModel::dateKey(EditDate date, DatePart part, DateKey key) {
    const DateKeyAction action = dates_[index(date)].onKey(part, key);
    if (date == EditDate::Baptism) baptismChanged();
    return action;
}

void PublisherEditModel::setDateLine(EditDate date, DatePart part, int line) {
    dates_[index(date)].setLine(part, line);
    if (date == EditDate::Baptism) baptismChanged();
}

void PublisherEditModel::dateFocusEntered(EditDate date, DatePart part) {
    dates_[index(date)].focusEntered(part);
}

bool PublisherEditModel::setDate(EditDate date, int month, int day, int year) {
    DateLists& d = dates_[index(date)];
    DateLists probe = d;
    probe.setYear(year);
    if (month < 0 || month > 12 || day < 0 || day > 31 || (year != 0 && probe.year() != year))
        return false;
    d.setLine(DatePart::Month, month);
    d.setLine(DatePart::Day, day);
    d.setYear(year);
    if (date == EditDate::Baptism) baptismChanged();
    return true;
}

void PublisherEditModel::setGroup(int group) {
    if (group >= 0 && group <= GroupTable::kCapacity)
        copy_.group = static_cast<std::uint8_t>(group);
}

// ---- the store sequence ----------------------------------------------------------

void PublisherEditModel::writeControls() {
    PublisherRecord& r = copy_;
    const std::string first(trimmed(texts_[index(EditField::FirstName)]));
    const std::string last(trimmed(texts_[index(EditField::LastName)]));
    setFieldText(r.fname, cut(first, kNameLimit));
    setFieldText(r.lname, cut(last, kNameLimit));
    setFieldText(r.addr, cut(texts_[index(EditField::Address)], kAddressLimit));
    setFieldText(r.phone, cut(texts_[index(EditField::Phone)], kPhoneLimit));
    setFieldText(r.phone2, cut(texts_[index(EditField::Mobile)], kPhoneLimit));
    setFieldText(r.phone3, cut(texts_[index(EditField::Office)], kPhoneLimit));

    std::uint8_t privilege = PrivilegeNone;
    if (checked(EditCheck::Elder))
        privilege = PrivilegeElder;
    else if (checked(EditCheck::Servant))
        privilege = PrivilegeServant;
    else if (checked(EditCheck::BaptizedBrother))
        privilege = PrivilegeBaptizedBrother;
    std::uint8_t flags = r.flags & RecordFlag::NoGroupOnSideList;
    flags |= privilege;
    if (checked(EditCheck::HouseholdHead)) flags |= RecordFlag::HouseholdHead;
    if (checked(EditCheck::ContinuousAuxiliary)) flags |= RecordFlag::ContinuousAuxiliary;
    if (side_ == SideListEdit::None) {
        if (checked(EditCheck::CustomCategory)) flags |= RecordFlag::CustomCategory;
    } else {
        // The box stands for the exclusion here; the category is kept.
        flags = static_cast<std::uint8_t>(flags & ~RecordFlag::NoGroupOnSideList);
        flags |= r.flags & RecordFlag::CustomCategory;
        if (checked(EditCheck::CustomCategory)) flags |= RecordFlag::NoGroupOnSideList;
    }
    if (checked(EditCheck::Brother)) flags |= RecordFlag::Brother;
    if (checked(EditCheck::Sister)) flags |= RecordFlag::Sister;
    r.flags = flags;

    r.moreBits &= static_cast<std::uint16_t>(~(MoreBit::Deaf | MoreBit::Blind | MoreBit::Isolated));
    // A record read without bit 15 loses the whole word at the next load.
    r.moreBits |= MoreBit::Loaded;
    if (checked(EditCheck::Deaf)) r.moreBits |= MoreBit::Deaf;
    if (checked(EditCheck::Blind)) r.moreBits |= MoreBit::Blind;
    if (checked(EditCheck::Isolated)) r.moreBits |= MoreBit::Isolated;

    // The pioneer boxes are hidden on the side lists: the kind stays.
    if (side_ == SideListEdit::None && !student_) writeServiceKind();

    r.hope = checked(EditCheck::Anointed) ? 'A' : 'O';
    setFieldText(r.bapdate, dates_[index(EditDate::Baptism)].dateText());
    setFieldText(r.birdate, dates_[index(EditDate::Birth)].dateText());
    writeSideDate();
}

void storeServiceKind(PublisherRecord& r, int slot, bool regular, bool special, bool continuous) {
    std::uint8_t kind = ServicePublisher;
    if (regular)
        kind = ServiceRegular;
    else if (special)
        kind = ServiceSpecial;
    else if (r.kindAt(slot) == ServiceAuxiliary || continuous)
        kind = ServiceAuxiliary;
    r.serviceKind[slot] = static_cast<std::uint8_t>((r.serviceKind[slot] & ~0x03) | kind);
}

void PublisherEditModel::writeServiceKind() {
    storeServiceKind(copy_, doc_.reportMonth().slot(), checked(EditCheck::RegularPioneer),
                     checked(EditCheck::SpecialPioneer), checked(EditCheck::ContinuousAuxiliary));
}

bool PublisherEditModel::writeExtension() {
    const std::string email = cut(texts_[index(EditField::Email)], kEmailKept);
    const bool any =
        !longName_.empty() || !email.empty() || !otherInfo_.empty() || extensionMarker_ != 0;
    if (copy_.extSlot != 0 || any) {
        PublisherExtension& e = doc_.extensions().current();
        e = PublisherExtension{};
        e.owner = copy_.id;
        setFieldText(e.longName, longName_);
        setFieldText(e.email, email);
        setFieldText(e.other, otherInfo_);
        e.marker = extensionMarker_;
        const int entry = doc_.writeExtension();  // tells when the file could not be written
        if (entry == 0) return false;
        copy_.extSlot = static_cast<std::uint16_t>(entry);
    }
    if (!any) copy_.extSlot = 0;
    return true;
}

void PublisherEditModel::writePrivilegeMarks() {
    for (int kind : marks_) {
        PrivilegeDateEntry* e = findEntry(doc_, copy_.id, kind);
        if (!e) e = addEntry(doc_, copy_.id, kind);
        if (e)
            setFieldText(e->start, kBlankDate);
        else
            tellPrivilegeTableFull(doc_, fullName());
    }
}

void PublisherEditModel::writeConsent() {
    if (checked(EditCheck::Consent)) {
        PrivilegeDateEntry* e = findEntry(doc_, copy_.id, PrivilegeKind::Consent);
        if (!e) e = addEntry(doc_, copy_.id, PrivilegeKind::Consent);
        if (e)
            setFieldText(e->start, dates_[index(EditDate::Consent)].dateText());
        else
            tellPrivilegeTableFull(doc_, fullName());
        return;
    }
    for (auto& e : doc_.privilegeDates().entries) {
        if (e.id != copy_.id || e.kind != PrivilegeKind::Consent) continue;
        setFieldText(e.start, kBlankDate);
        e.kind = PrivilegeKind::Removed;
    }
}

int PublisherEditModel::currentPosition() const {
    const RecordStore& store = doc_.store();
    if (storePos_ > 0 && storePos_ < store.recordCount() && store.at(storePos_).id == copy_.id)
        return storePos_;
    return store.storePosById(copy_.id);
}

StoreStatus PublisherEditModel::store(Trigger trigger) {
    // 1. The last name must not be blank.
    if (trimmed(texts_[index(EditField::LastName)]).empty()) return StoreStatus::BlankLastName;
    // A Bible student needs more than an initial; the editor stays open
    // rather than dropping what was typed.
    if (student_ && trimmed(texts_[index(EditField::LastName)]).size() < 2) {
        doc_.prompter().tell(text::tr(text::TxStudentLastNameShort), Icon::Warning);
        return StoreStatus::Refused;
    }
    // Trimming moves characters to other positions, where one that passed
    // in the box may scramble to the terminator.
    for (EditField name : {EditField::FirstName, EditField::LastName}) {
        if (auto problem = unscramblableCharacter(trimmed(texts_[index(name)]))) {
            doc_.prompter().tell(*problem, Icon::Warning);
            return StoreStatus::Refused;
        }
    }
    RecordStore& store = doc_.store();
    const bool adding = mode_ == EditMode::Add;
    if (adding && store.isFull()) {
        doc_.prompter().tell(
            text::arg(text::tr(text::TxStoreFull), std::to_string(RecordStore::kCapacity - 1)),
            Icon::Warning);
        return StoreStatus::Refused;
    }

    // 2. A new publisher's status comes first.
    if (adding && trigger == Trigger::Ok && runStatusDialog && !student_) {
        PublisherStatusModel status(doc_.reportMonth(), fullName(), StatusFields{});
        if (auto fields = runStatusDialog(status)) applyStatus(*fields);
    }

    // 3. The controls into the copy.
    writeControls();
    const bool nameChanged =
        fieldText(copy_.fname) != originalFirst_ || fieldText(copy_.lname) != originalLast_;

    if (adding) {
        // 5. Appended, then placed in order; the extension (4) is written
        // once the record is known to stay.
        if (store.storePosById(copy_.id) != 0 || copy_.id == 0)
            copy_.id = store.freeId(student_ ? kFirstStudentId : RecordStore::kFirstFreeId);
        if (copy_.id == 0) return StoreStatus::Refused;
        copy_.extSlot = 0;
        store.append(copy_);
        const PlaceResult placed = placeRecord(doc_, store.recordCount() - 1, PlaceMode::Adding);
        doc_.rebuildIndex();
        if (!placed.placed()) return StoreStatus::Refused;
        mode_ = EditMode::Edit;
        storePos_ = placed.position;
        if (writeExtension()) store.at(storePos_).extSlot = copy_.extSlot;
        if (list_) list_->refillAtTop();
    } else {
        // 4 and 6. The copy over the record, placed anew after a rename.
        writeExtension();
        storePos_ = currentPosition();
        if (storePos_ == 0) return StoreStatus::Refused;
        store.at(storePos_) = copy_;
        // A side-list record keeps its place in the array.
        if (nameChanged && side_ == SideListEdit::None) {
            const PlaceResult placed = placeRecord(doc_, storePos_, PlaceMode::Editing);
            doc_.rebuildIndex();
            storePos_ = placed.position;
            if (list_) {
                list_->refill();
                list_->selectId(copy_.id);
            }
        }
    }
    originalFirst_ = fieldText(copy_.fname);
    originalLast_ = fieldText(copy_.lname);

    // 7 and 8. Privilege rows and consent.
    writePrivilegeMarks();
    writeConsent();
    // 9.
    doc_.dirty = true;
    // The household changes so far are confirmed with the record.
    journal_.clear();
    return StoreStatus::Stored;
}

// ---- actions ----------------------------------------------------------------------

void PublisherEditModel::cancel() {
    if (!closed_) journal_.undo(doc_.store());
    closed_ = true;
}

HouseholdModel PublisherEditModel::householdDialog() {
    PublisherRecord named = copy_;
    setFieldText(named.fname, std::string(trimmed(texts_[index(EditField::FirstName)])));
    setFieldText(named.lname, std::string(trimmed(texts_[index(EditField::LastName)])));
    const bool head = checked(EditCheck::HouseholdHead);
    return HouseholdModel(doc_, journal_, copy_, head,
                          head ? text::cp1252ToUtf8(displayNameOf(named, true)) : std::string());
}

EmergencyContactModel PublisherEditModel::contactDialog() {
    PublisherRecord named = copy_;
    setFieldText(named.fname, std::string(trimmed(texts_[index(EditField::FirstName)])));
    setFieldText(named.lname, std::string(trimmed(texts_[index(EditField::LastName)])));
    return EmergencyContactModel(doc_, copy_, text::cp1252ToUtf8(displayNameOf(named, true)));
}

ExtraInfoModel PublisherEditModel::extraInfoDialog(ExtraFocus focus) {
    // The dialog is titled with the names as they stand in the boxes.
    setFieldText(copy_.fname,
                 cut(std::string(trimmed(texts_[index(EditField::FirstName)])), kNameLimit));
    setFieldText(copy_.lname,
                 cut(std::string(trimmed(texts_[index(EditField::LastName)])), kNameLimit));
    return ExtraInfoModel(doc_, copy_, longName_, otherInfo_, focus);
}

StoreStatus PublisherEditModel::ok() {
    if (closed_) return StoreStatus::Refused;
    const StoreStatus status = store(Trigger::Ok);
    if (status != StoreStatus::Refused) closed_ = true;
    return status;
}

bool PublisherEditModel::go(int delta) {
    if (closed_ || mode_ != EditMode::Edit || !list_) return false;
    if (store(Trigger::Step) != StoreStatus::Stored) return false;
    const int pos = list_->step(delta);
    if (pos <= 0) return false;
    storePos_ = pos;
    load();
    return true;
}

std::optional<PublisherId>& PublisherEditModel::copySource() {
    return list_ ? list_->copySource() : ownCopySource_;
}

bool PublisherEditModel::haveCopySource() const {
    return list_ ? list_->copySource().has_value() : ownCopySource_.has_value();
}

void PublisherEditModel::copyOrPaste() {
    std::optional<PublisherId>& source = copySource();
    if (!source) {
        if (mode_ == EditMode::Add) return;  // the button is hidden
        if (store(Trigger::Copy) == StoreStatus::Stored) source = copy_.id;
        return;
    }
    const PublisherRecord* from = doc_.store().recordById(*source);
    if (!from) {
        // The source was deleted since it was copied.
        source.reset();
        return;
    }
    texts_[index(EditField::Address)] = fieldText(from->addr);
    texts_[index(EditField::Phone)] = fieldText(from->phone);
    copy_.group = from->group;
}

void PublisherEditModel::clearCopySource() {
    copySource().reset();
}

StoreStatus PublisherEditModel::storeForPrivileges() {
    return store(Trigger::Privileges);
}

void PublisherEditModel::privilegesAccepted(const PrivilegeChecks& checks) {
    checks_[index(EditCheck::Servant)] = checks.servant;
    checks_[index(EditCheck::Elder)] = checks.elder;
    checks_[index(EditCheck::RegularPioneer)] = checks.regularPioneer;
    checks_[index(EditCheck::ContinuousAuxiliary)] = checks.continuousAuxiliary;
    checks_[index(EditCheck::SpecialPioneer)] = checks.specialPioneer;
    // An appointment replaces the plain baptized brother, as checking its box would.
    if (checks.servant || checks.elder) checks_[index(EditCheck::BaptizedBrother)] = false;
    auto setBit = [this](std::uint16_t bit, bool on) {
        copy_.categoryBits = on ? (copy_.categoryBits | bit) : (copy_.categoryBits & ~bit);
    };
    setBit(CategoryBit::SpecialServant, checks.specialServant);
    setBit(CategoryBit::Missionary, checks.missionary);
    // The dates were just entered there; no blank row may replace them.
    marks_.clear();
}

PublisherStatusModel PublisherEditModel::statusDialog() const {
    return PublisherStatusModel(doc_.reportMonth(), fullName(),
                                StatusFields{copy_.statusMark, copy_.listYear, copy_.markStamp});
}

void PublisherEditModel::applyStatus(const StatusFields& fields) {
    copy_.statusMark = fields.statusMark;
    copy_.listYear = fields.listYear;
    copy_.markStamp = fields.markStamp;
}

DeletePublisherModel PublisherEditModel::deleteDialog() const {
    return DeletePublisherModel(doc_, currentPosition());
}

bool PublisherEditModel::applyDelete(const DeleteChoice& choice) {
    if (closed_ || mode_ != EditMode::Edit) return false;
    const int pos = currentPosition();
    const bool changed = pos != 0 && applyDeletion(doc_, pos, choice);
    doc_.rebuildIndex();
    doc_.dirty = true;
    if (list_) list_->refill();
    closed_ = true;
    return changed;
}

// ---- Bible students ---------------------------------------------------------------

std::string PublisherEditModel::conductor() const {
    return text::cp1252ToUtf8(trimmed(
        fieldText(reinterpret_cast<const char*>(copy_.placements), sizeof copy_.placements)));
}

std::string PublisherEditModel::conductorLine() const {
    return text::tr(text::TxStudentConductor) + ": " + conductor();
}

void PublisherEditModel::setConductor(int storePos) {
    if (!student_ || storePos <= 0 || storePos >= doc_.store().recordCount()) return;
    const std::string name = doc_.displayName(storePos);
    char bytes[sizeof copy_.placements] = {};
    name.copy(bytes, sizeof bytes - 1);
    std::memcpy(copy_.placements, bytes, sizeof bytes);
}

void PublisherEditModel::clearConductor() {
    std::memset(copy_.placements, 0, sizeof copy_.placements);
}

std::string PublisherEditModel::deleteStudentQuestion() const {
    const int pos = currentPosition();
    return text::arg(text::tr(text::TxConfirmDelete),
                     text::cp1252ToUtf8(pos ? doc_.displayName(pos) : std::string()));
}

bool PublisherEditModel::askAndDeleteStudent() {
    if (doc_.prompter().ask(deleteStudentQuestion(), Buttons::YesNo, Answer::No, Icon::Question) !=
        Answer::Yes)
        return false;
    return deleteStudent();
}

std::unique_ptr<PublisherSelectModel> PublisherEditModel::conductorPicker() const {
    return std::make_unique<PublisherSelectModel>(doc_, SelectMode::Picker);
}

std::unique_ptr<ServicePrivilegesModel> PublisherEditModel::privilegesDialog() {
    if (storeForPrivileges() != StoreStatus::Stored) return nullptr;
    return std::make_unique<ServicePrivilegesModel>(doc_, storePos_);
}

bool PublisherEditModel::deleteStudent() {
    if (closed_ || !student_ || mode_ != EditMode::Edit) return false;
    const int pos = currentPosition();
    if (pos == 0) return false;
    doc_.deleteRecord(pos);
    doc_.rebuildIndex();
    doc_.dirty = true;
    closed_ = true;
    return true;
}

}  // namespace velno
