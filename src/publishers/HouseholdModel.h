#pragma once
// The household dialog (dialog 146, "Edit/Lihat Rumah tangga" in the record
// editor): the head and the members of one household; the head adds
// members through the member picker, the head or a member removes one.
// Every change of a link is noted in the editor's journal, so that
// cancelling the editor takes it back.

#include <string>
#include <vector>

#include "publishers/HouseholdPickerModel.h"
#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;
class HouseholdJournal;

class HouseholdModel {
public:
    // `opener` is the record editor's copy; `openerIsHead` the state of its
    // "Kepala Keluarga" box. `headName` (UTF-8, last name first) names a
    // head that is not in the store yet (a publisher being added).
    HouseholdModel(CVelnoDoc& doc, HouseholdJournal& journal, PublisherRecord& opener,
                   bool openerIsHead, std::string headName = {});

    std::string title() const { return headName_; }
    std::string staticText() const;
    // The head first, then the members (inactive ones and Bible students
    // marked).
    const std::vector<std::string>& lines() const { return lines_; }
    int selected() const { return selected_; }
    void select(int line);

    bool addVisible() const { return openerIsHead_; }
    std::string addText() const;
    bool deleteVisible() const;
    // "Hapus - " and the selected line.
    std::string deleteText() const;
    std::string closeText() const;

    // "&Add a Member": the picker of candidates.
    HouseholdPickerModel picker() const;
    // The picker's OK on a store position.
    bool addMember(int storePos);
    // "&Delete". Returns true when the dialog closes (members removing
    // themselves).
    bool removeSelected();

    PublisherId head() const { return head_; }
    // Store positions of the members, as listed.
    const std::vector<int>& members() const { return members_; }

private:
    void rebuild();

    CVelnoDoc& doc_;
    HouseholdJournal& journal_;
    PublisherRecord& opener_;
    bool openerIsHead_;
    PublisherId head_ = 0;
    std::string headName_;
    std::vector<int> members_;
    std::vector<std::string> lines_;
    int selected_ = 0;
};

// A name as the household lists show it: last name first, " ( i )" for an
// inactive record, " ( s )" for a Bible student (UTF-8).
std::string householdLine(const CVelnoDoc& doc, int storePos);

}  // namespace velno
