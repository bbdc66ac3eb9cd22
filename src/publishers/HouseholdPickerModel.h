#pragma once
// The member picker (dialog 140 in household mode, "Tentukan Anggota
// Keluarga"): every active, inactive and Bible-student record outside this
// household. A head with members (" *") cannot be chosen; a member of
// another household (" #") can, and moves.

#include <optional>
#include <string>
#include <vector>

#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;

class HouseholdPickerModel {
public:
    HouseholdPickerModel(const CVelnoDoc& doc, PublisherId head);

    std::string title() const;
    const std::vector<std::string>& lines() const { return lines_; }
    int selected() const { return selected_; }  // -1 for none
    void select(int line);
    // The note for the chosen line, empty for none.
    std::string note() const;
    bool okVisible() const;
    std::string okText() const;
    std::string cancelText() const;
    // The chosen record's store position.
    std::optional<int> ok() const;

private:
    enum class Mark { None, HeadWithMembers, OtherHousehold };
    std::vector<int> positions_;
    std::vector<Mark> marks_;
    std::vector<std::string> lines_;
    int selected_ = -1;
};

}  // namespace velno
