#pragma once
// Which active publishers a page or list takes: the whole congregation, one
// field service group, the pioneers of the month, the appointed men, the
// custom category.

#include <string>

#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;
class Classification;

enum class Selection {
    Congregation,
    Group,
    RegularPioneers,    // regular pioneers of the ReportMonth
    AuxiliaryPioneers,  // auxiliary pioneers in at least one of the last 12 months
    Elders,
    Servants,
    Appointed,  // elders and ministerial servants
    BaptizedBrothers,
    Custom,  // members of the custom category
};

struct PublisherSelection {
    Selection kind = Selection::Congregation;
    int group = 0;  // with Selection::Group

    bool passes(const PublisherRecord& r, const Classification& cls) const;
    // The page subtitle (UTF-8), with " - " and the congregation name when
    // one is set and no group is chosen.
    std::string subtitle(const CVelnoDoc& doc) const;
};

// Display name of a store position as the lists show it (UTF-8).
std::string publisherName(const CVelnoDoc& doc, int pos);
// A group's label (UTF-8): its name when shown, else "KDL # n".
std::string groupLabel(const CVelnoDoc& doc, int group);
// The congregation's name (UTF-8), empty when none is set.
std::string congregationName(const CVelnoDoc& doc);
// " - " and the congregation name, or nothing.
std::string congregationSuffix(const CVelnoDoc& doc);
// The custom category's name (UTF-8) while one is enabled, else empty.
std::string customCategoryName(const CVelnoDoc& doc);
// For the custom category's pages: one line saying why the table is empty
// (no category defined, or nobody active in it); empty otherwise.
std::string emptySelectionNotice(const CVelnoDoc& doc, const PublisherSelection& selection);

}  // namespace velno
