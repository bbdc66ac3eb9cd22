#include "print/ListContact.h"

#include "publishers/GroupTexts.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "store/PublisherEmail.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/AppTexts.h"
#include "text/texts/PrintTexts.h"

namespace velno::print {

int groupOverseerPos(const CVelnoDoc& doc, int group) {
    if (group < 1 || group > GroupTable::kCapacity) return 0;
    const std::string name(trimmed(fieldText(doc.groups().data().overseer[group - 1])));
    return name.empty() ? 0 : activeByFullName(doc, name);
}

std::vector<PhoneKind> numbersOf(const CVelnoDoc& doc, int pos) {
    std::vector<PhoneKind> out;
    if (pos <= 0 || pos >= doc.store().recordCount()) return out;
    for (const PhoneKind kind : {PhoneKind::Home, PhoneKind::Mobile, PhoneKind::Office})
        if (!phoneOf(doc.store().at(pos), kind).empty()) out.push_back(kind);
    return out;
}

std::string reminderSender(const CVelnoDoc& doc) {
    const std::string own(trimmed(doc.settings().secretaryEmail));
    return own.size() >= 4 ? text::cp1252ToUtf8(own) : text::tr(text::TxAppName);
}

MailMessage reminderMail(const CVelnoDoc& doc, int pos, int month0, const std::string* listText) {
    MailMessage mail;
    const std::string month = text::monthName(month0);
    mail.subject = text::arg(text::tr(text::TxListNotReporting), month);
    mail.body = listText ? *listText : text::arg(text::tr(text::TxReminderText), month);
    mail.from = reminderSender(doc);
    const std::string address = text::cp1252ToUtf8(publisherEmailAt(doc, pos));
    if (!address.empty()) mail.to.push_back(address);
    return mail;
}

}  // namespace velno::print
