#pragma once
// The record editor's group picker (dialog 142 "Kelompok Dinas Lapangan"):
// the twenty group numbers; the chosen group's label, overseer, location
// and members beside them.

#include <string>
#include <vector>

namespace velno {

class CVelnoDoc;

class GroupPickerModel {
public:
    // current: the publisher's group, 0..20 (0 preselects nothing).
    GroupPickerModel(const CVelnoDoc& doc, int current);

    std::string title() const;
    std::vector<std::string> lines() const;   // "01" .. "20"
    int selectedRow() const { return row_; }  // -1: none
    void select(int row);

    // About the selected group, UTF-8; empty without a selection.
    std::string labelLine() const;
    std::string overseerLine() const;
    std::string locationLine() const;
    std::string membersHeading() const;
    // Active members, family name first.
    std::vector<std::string> members() const;

    // OK: the chosen number, 0 when no line is chosen; cancel keeps the old.
    int ok() const { return row_ + 1; }
    int cancel() const { return current_; }

private:
    const CVelnoDoc& doc_;
    int current_;
    int row_;
};

}  // namespace velno
