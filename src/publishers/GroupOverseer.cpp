#include "publishers/GroupOverseer.h"

#include "publishers/GroupTexts.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/PrintTexts.h"

namespace velno {

std::string overseerTitle(const CVelnoDoc& doc, int group) {
    if (group < 1 || group > GroupTable::kCapacity) return {};
    std::string name(trimmed(fieldText(doc.groups().data().overseer[group - 1])));
    if (name.empty()) return {};
    const int pos = activeByFullName(doc, name);
    const bool servant = pos != 0 && doc.store().at(pos).privilege() == PrivilegeServant;
    return text::arg(text::tr(servant ? text::TxServantTitle : text::TxOverseerTitle),
                     text::cp1252ToUtf8(name));
}

}  // namespace velno
