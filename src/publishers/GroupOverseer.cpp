#include "publishers/GroupOverseer.h"

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
    const RecordStore& store = doc.store();
    bool servant = false;
    for (const std::uint16_t pos : store.subList(ListActive)) {
        const PublisherRecord& r = store.at(pos);
        if (fieldText(r.fname) + " " + fieldText(r.lname) != name) continue;
        servant = r.privilege() == PrivilegeServant;
        break;
    }
    return text::arg(text::tr(servant ? text::TxServantTitle : text::TxOverseerTitle),
                     text::cp1252ToUtf8(name));
}

}  // namespace velno
