#pragma once
// Reaching a publisher from the lists: the reminder mail of a missing
// report and the numbers a target can be dialled on. The list viewer and
// `velno-cli remind` build the same message here.

#include <string>
#include <vector>

#include "print/Dialing.h"
#include "store/DesktopServices.h"

namespace velno {
class CVelnoDoc;
}

namespace velno::print {

// The store position of a group's overseer among the active publishers,
// 0 when the group names none or he is not on the list.
int groupOverseerPos(const CVelnoDoc& doc, int group);

// The numbers the record has, in the order home, mobile, office.
std::vector<PhoneKind> numbersOf(const CVelnoDoc& doc, int pos);

// The sender: the secretary's address when it has at least four
// characters, else "VELNO".
std::string reminderSender(const CVelnoDoc& doc);

// The reminder to the publisher at `pos` for month `month0`: subject "Tidak
// Ada Laporan untuk <month>", the request to send the report, or, for a
// group's overseer, `listText` (the group's list) as the text. Empty
// recipients when the publisher has no e-mail address.
MailMessage reminderMail(const CVelnoDoc& doc, int pos, int month0,
                         const std::string* listText = nullptr);

}  // namespace velno::print
