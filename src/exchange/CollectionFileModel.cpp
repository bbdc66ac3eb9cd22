#include "exchange/CollectionFileModel.h"

#include "reporting/ReportPredicates.h"
#include "store/CVelnoDoc.h"
#include "store/DesktopServices.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/CommonTexts.h"
#include "text/texts/ExchangeTexts.h"
#include "text/texts/ReportingTexts.h"

namespace velno {

namespace {

constexpr std::size_t kEmailKept = 50;
// The groups whose file goes to the assistant: a bit per group number, in
// the data folder's settings (the group table has no room for it).
constexpr const char* kAssistantSection = "Kelompok";
constexpr const char* kAssistantKey = "EmailAsisten";

std::string utf8(const std::string& cp1252) {
    return text::cp1252ToUtf8(cp1252);
}

}  // namespace

CollectionFileModel::CollectionFileModel(CVelnoDoc& doc, int group) : doc_(doc), group_(group) {
    email_ = utf8(doc.settings().secretaryEmail);
    refresh();
}

void CollectionFileModel::setGroup(int group) {
    group_ = group;
    refresh();
}

int CollectionFileModel::month0() const {
    const int m = doc_.reportMonth().reportMonth0;
    return next_ ? (m + 1) % 12 : m;
}

int CollectionFileModel::parity() const {
    const int p = doc_.reportMonth().parity();
    // December is followed by January of the next year.
    return next_ && doc_.reportMonth().reportMonth0 == 11 ? 1 - p : p;
}

bool CollectionFileModel::assistantFlag() const {
    const int bits = doc_.profile().getInt(kAssistantSection, kAssistantKey, 0);
    return group_ >= 1 && group_ <= 20 && (bits >> group_) & 1;
}

void CollectionFileModel::refresh() {
    publishers_ = missing_ = 0;
    for (int pos = 1; pos < doc_.store().recordCount(); ++pos) {
        const PublisherRecord& r = doc_.store().at(pos);
        if (r.listKind != ListActive || r.group != group_) continue;
        ++publishers_;
        if (!IsReported(r, month0(), parity())) ++missing_;
    }
    if (!isEmptyListVisible()) emptyList_ = false;
    overseerEmail_.clear();
    assistantEmail_.clear();
    if (group_ >= 1 && group_ <= GroupTable::kCapacity) {
        const GroupFile& g = doc_.groups().data();
        const auto i = static_cast<std::size_t>(group_ - 1);
        if (int pos = publisherNamed(doc_, fieldText(g.overseer[i])))
            overseerEmail_ = publisherEmail(doc_, pos);
        if (int pos = publisherNamed(doc_, fieldText(g.assistant[i])))
            assistantEmail_ = publisherEmail(doc_, pos);
    }
    toAssistant_ = !assistantEmail_.empty() && assistantFlag();
    address_ = toAssistant_ ? assistantEmail_ : overseerEmail_;
}

std::string CollectionFileModel::title() const {
    std::string head = text::tr(text::TxCollectionTitle);
    if (const auto at = head.find("%d"); at != std::string::npos)
        head.replace(at, 2, std::to_string(group_));
    return head + " - " + text::tr(text::TxCollectionMonthWord) + " = " + text::monthName(month0());
}

std::string CollectionFileModel::currentMonthText() const {
    return text::monthName(doc_.reportMonth().reportMonth0);
}

std::string CollectionFileModel::nextMonthText() const {
    return text::monthName((doc_.reportMonth().reportMonth0 + 1) % 12);
}

std::string CollectionFileModel::overseerText() const {
    if (group_ < 1 || group_ > GroupTable::kCapacity) return {};
    return text::arg(text::tr(text::TxCollectionOverseer),
                     utf8(fieldText(doc_.groups().data().overseer[group_ - 1])));
}

std::string CollectionFileModel::publishersText() const {
    return text::tr(text::TxPublisherWord) + ":  " + std::to_string(publishers_);
}

std::string CollectionFileModel::missingText() const {
    return text::tr(text::TxNoReport) + ":  " + std::to_string(missing());
}

std::string CollectionFileModel::emptyListText() const {
    return text::arg(text::tr(text::TxPrepareEmpty), text::monthName(month0()));
}

std::string CollectionFileModel::mailButtonText() const {
    if (!address_.empty()) return text::arg(text::tr(text::TxMakeAndMail), utf8(address_));
    const std::string overseer = group_ >= 1 && group_ <= GroupTable::kCapacity
                                     ? utf8(fieldText(doc_.groups().data().overseer[group_ - 1]))
                                     : std::string();
    return text::arg(text::tr(text::TxNoAddress), overseer);
}

std::string CollectionFileModel::saveButtonText() const {
    return isSaveEnabled() ? text::tr(text::TxMakeAndSave) : text::tr(text::TxCollectionDone);
}

void CollectionFileModel::chooseNextMonth(bool next) {
    next_ = next;
    refresh();
}

void CollectionFileModel::setEmptyList(bool on) {
    emptyList_ = on && isEmptyListVisible();
}

void CollectionFileModel::setMailToAssistant(bool on) {
    if (assistantEmail_.empty() || group_ < 1 || group_ > 20) return;
    int bits = doc_.profile().getInt(kAssistantSection, kAssistantKey, 0);
    bits = on ? bits | (1 << group_) : bits & ~(1 << group_);
    doc_.profile().setInt(kAssistantSection, kAssistantKey, bits);
    doc_.dirty = true;
    refresh();
}

bool CollectionFileModel::makeFile(std::filesystem::path& path) {
    // 1. The secretary's address: at most 50 characters, and only a
    // plausible one ("@" neither first nor at the 49th place or later).
    std::string email = text::utf8ToCp1252(email_).bytes;
    if (email.size() > kEmailKept) email.resize(kEmailKept);
    const auto at = email.find('@');
    if (at == std::string::npos || at == 0 || at >= 48) email.clear();
    if (email != doc_.settings().secretaryEmail) {
        doc_.settings().secretaryEmail = email;
        doc_.dirty = true;
    }
    email_ = utf8(email);
    GroupFileRequest request;
    request.group = group_;
    request.month0 = month0();
    request.parity = parity();
    request.emptyList = emptyList_ || next_;
    request.secretaryEmail = email;
    const FileResult r = writeGroupFile(doc_, request, path);
    if (!r) {
        doc_.reportWriteFailure(r);
        return false;
    }
    doc_.prompter().tell(text::arg(text::tr(text::TxGroupFileSaved), path.string()),
                         Icon::Information);
    return true;
}

std::string CollectionFileModel::makeAndMail(MailComposer& mail, std::filesystem::path& path) {
    if (!makeFile(path)) return {};
    if (address_.empty()) return {};
    MailMessage message;
    message.to.push_back(utf8(address_));
    message.subject = text::tr(text::TxCollectedFile) + " - " + text::monthName(month0()) + " - " +
                      text::tr(text::TxGroupWord) + " " + std::to_string(group_);
    message.body = text::tr(text::TxMailBody);
    message.attachments.push_back(std::filesystem::absolute(path).string());
    std::string reason = mail.compose(message);
    if (!reason.empty()) doc_.prompter().tell(reason, Icon::Error);
    return reason;
}

}  // namespace velno
