#pragma once
// The shared-entry chooser (dialog 148): the existing emergency contacts or
// special needs to use for one more publisher, and, in report mode, the
// filter of the special-needs list ("Sertakan semuanya" or one need).

#include <cstdint>
#include <string>
#include <vector>

#include "publishers/SharedEntries.h"

namespace velno {

class CVelnoDoc;

class SharedEntryChooserModel {
public:
    enum class Mode { Contacts, Needs, NeedsReport };

    // `preselect`: the key chosen at opening (the household head's contact),
    // 0 for none.
    SharedEntryChooserModel(const CVelnoDoc& doc, Mode mode, std::uint16_t preselect = 0);

    std::string title() const;  // UTF-8
    // UTF-8 texts of the entries, in file order.
    const std::vector<std::string>& lines() const { return lines_; }
    int selected() const { return selected_; }  // -1 for none
    void select(int line);

    // Report mode only.
    bool includeAllVisible() const { return mode_ == Mode::NeedsReport; }
    std::string includeAllText() const;
    bool includeAll() const { return includeAll_; }
    void setIncludeAll(bool on);

    bool okEnabled() const;
    // The chosen entry's key; 0 for none (in report mode: every need).
    std::uint16_t ok() const;

private:
    Mode mode_;
    std::vector<SharedEntryRow> rows_;
    std::vector<std::string> lines_;
    int selected_ = -1;
    bool includeAll_ = false;
};

}  // namespace velno
