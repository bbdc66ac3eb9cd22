#include "reporting/PublisherSelection.h"

#include "reporting/Classification.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/AnalysisTexts.h"

namespace velno {

bool PublisherSelection::passes(const PublisherRecord& r, const Classification& cls) const {
    switch (kind) {
        case Selection::Congregation:
            return true;
        case Selection::Group:
            return r.group == group;
        case Selection::RegularPioneers:
            return r.kindAt(monthSlot(cls.month0(), cls.parity())) == ServiceRegular;
        case Selection::AuxiliaryPioneers:
            return cls.AuxiliaryMonths(r, 12) > 0;
        case Selection::Elders:
            return r.privilege() == PrivilegeElder;
        case Selection::Servants:
            return r.privilege() == PrivilegeServant;
        case Selection::Appointed:
            return r.privilege() == PrivilegeElder || r.privilege() == PrivilegeServant;
        case Selection::BaptizedBrothers:
            return r.privilege() == PrivilegeBaptizedBrother;
        case Selection::Custom:
            return (r.flags & RecordFlag::CustomCategory) != 0;
    }
    return false;
}

std::string PublisherSelection::subtitle(const CVelnoDoc& doc) const {
    std::string s;
    switch (kind) {
        case Selection::Congregation:
            s = text::tr(text::TxCongregation);
            break;
        case Selection::Group:
            return groupLabel(doc, group);
        case Selection::RegularPioneers:
            s = text::tr(text::TxRegularPioneersLower);
            break;
        case Selection::AuxiliaryPioneers:
            s = text::tr(text::TxListAuxiliary);
            break;
        case Selection::Elders:
            s = text::tr(text::TxEldersTitle);
            break;
        case Selection::Servants:
            s = text::tr(text::TxServantsLower);
            break;
        case Selection::Appointed:
            s = text::tr(text::TxEldersAndServants);
            break;
        case Selection::BaptizedBrothers:
            s = text::tr(text::TxBaptizedBrothers);
            break;
        case Selection::Custom:
            s = customCategoryName(doc);
            break;
    }
    // Without a custom category's name the congregation name stands alone.
    if (s.empty()) return congregationName(doc);
    return s + congregationSuffix(doc);
}

std::string publisherName(const CVelnoDoc& doc, int pos) {
    return text::cp1252ToUtf8(doc.displayName(pos));
}

std::string groupLabel(const CVelnoDoc& doc, int group) {
    return text::cp1252ToUtf8(doc.groups().displayName(group));
}

std::string congregationName(const CVelnoDoc& doc) {
    return text::cp1252ToUtf8(trimmed(doc.settings().congregationName));
}

std::string congregationSuffix(const CVelnoDoc& doc) {
    const std::string name = congregationName(doc);
    return name.empty() ? std::string() : " - " + name;
}

std::string customCategoryName(const CVelnoDoc& doc) {
    if (!doc.settings().customCategoryEnabled) return {};
    return text::cp1252ToUtf8(trimmed(doc.settings().customCategoryName));
}

std::string emptySelectionNotice(const CVelnoDoc& doc, const PublisherSelection& selection) {
    if (selection.kind != Selection::Custom) return {};
    const std::string name = customCategoryName(doc);
    if (name.empty()) return text::tr(text::TxNoCustomCategory);
    const RecordStore& store = doc.store();
    for (int pos = 1; pos < store.recordCount(); ++pos) {
        const PublisherRecord& r = store.at(pos);
        if (r.listKind == ListActive && (r.flags & RecordFlag::CustomCategory)) return {};
    }
    return text::arg(text::tr(text::TxCustomCategoryEmpty), name);
}

}  // namespace velno
