#pragma once
// The list picker (dialog 140): one list and OK/"Batal". Mode 1 lists the
// inactive records, mode 2 the Bible students, mode 3 the household
// candidates the caller gives.

#include <optional>
#include <string>
#include <vector>

namespace velno {

class CVelnoDoc;

enum class PickerList { Inactive = 1, BibleStudents = 2, HouseholdCandidates = 3 };

class PublisherListPickerModel {
public:
    PublisherListPickerModel(const CVelnoDoc& doc, PickerList list,
                             std::vector<int> candidates = {});

    std::string title() const;
    std::string okText() const;
    std::string cancelText() const;
    // UTF-8 names, in store order.
    const std::vector<std::string>& lines() const { return lines_; }
    int selected() const { return selected_; }
    void select(int line);

    // OK: the index within the list (and the record's store position);
    // nothing when the list is empty.
    std::optional<int> ok() const;
    int positionOf(int line) const;

private:
    PickerList list_;
    std::vector<int> positions_;
    std::vector<std::string> lines_;
    int selected_ = 0;
};

}  // namespace velno
