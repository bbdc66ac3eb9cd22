#pragma once
// The group editor (dialog 110 "Edit Kelompok Dinas Lapangan"): twenty
// lines, one per group number, the hint for overseers and assistants not
// found among the publishers, and the edit button of the selected group.
// Closing recounts the groups in use.

#include <string>
#include <vector>

namespace velno {

class CVelnoDoc;
class GroupDialogModel;

// "Edit <display text>", or "Edit Kelompok n" when the group has no usable
// name. UTF-8.
std::string groupEditButtonText(const CVelnoDoc& doc, int group);

// The groups in use counted from group 1 up to the first one without an
// overseer (groups after a gap keep their data).
int countGroupsInUse(const CVelnoDoc& doc);

class GroupEditorModel {
public:
    explicit GroupEditorModel(CVelnoDoc& doc);

    // Texts, UTF-8.
    std::string title() const;
    std::vector<std::string> headings() const;  // "Pengawas" .. "Waktu"
    std::string hintText() const;
    std::string assignedText() const;
    std::string doneText() const;
    std::string editButtonText() const;

    // "#n \t[*]overseer \t[*]assistant \tlocation \tday \ttime"; lines
    // above the count show the number and the day only.
    const std::vector<std::string>& lines() const { return lines_; }
    // Whether any line carries the "*" of a name not among the publishers.
    bool hintVisible() const { return hint_; }

    int selectedRow() const { return row_; }
    // Lines up to the count + 1 can be selected.
    void select(int row);
    int selectedGroup() const { return row_ + 1; }

    // "Edit ...": the group dialog of the selected group; on its OK the
    // caller hands it back to store().
    GroupDialogModel groupDialog() const;
    void store(const GroupDialogModel& dialog);
    // The assignment dialog changed a record.
    void markChanged() { changed_ = true; }
    bool changed() const { return changed_; }

    void rebuild();
    // "&Selesai": recounts the groups; sets the document's modified flag
    // when anything changed. Returns whether anything changed.
    bool close();

private:
    CVelnoDoc& doc_;
    std::vector<std::string> lines_;
    bool hint_ = false;
    int row_ = 0;
    bool changed_ = false;
};

}  // namespace velno
