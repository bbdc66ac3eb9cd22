#pragma once
// One field service group (dialog 131, titled with the editor's edit
// button): overseer and assistant (typed or picked from the publishers),
// meeting place, day and time, and the optional group name.

#include <string>
#include <string_view>
#include <vector>

#include "publishers/GroupTexts.h"

namespace velno {

class CVelnoDoc;

class GroupDialogModel {
public:
    // group: 1..20.
    GroupDialogModel(const CVelnoDoc& doc, int group);

    int group() const { return group_; }
    // Texts, UTF-8.
    std::string title() const;
    std::string label(GroupText field) const;
    std::string dayLabel() const;
    std::string pickText() const;
    std::string okText() const;
    std::string cancelText() const;
    std::string nameCheckText() const;
    std::string assignedText() const;
    std::vector<std::string> dayLines() const;

    // The boxes, UTF-8.
    const std::string& text(GroupText field) const;
    // Typing into a box: a text longer than the field or not storable is
    // refused with the message (the box keeps its old text).
    bool setText(GroupText field, std::string_view utf8, std::string* message = nullptr);
    // "Pilih" beside overseer or assistant: the chosen publisher's first
    // name, a blank and the last name.
    void pick(GroupText field, int storePos);

    int day() const { return day_; }
    void setDay(int day);
    bool useName() const { return useName_; }
    void setUseName(bool on) { useName_ = on; }
    // The name box is enabled only while the check box is checked.
    bool nameEnabled() const { return useName_; }

    // OK: stores the boxes into the group; a group above the count with an
    // overseer raises the count to its number.
    void ok(CVelnoDoc& doc) const;

private:
    const CVelnoDoc& doc_;
    int group_;
    std::string texts_[5];  // UTF-8, by GroupText
    int day_ = 0;
    bool useName_ = false;
};

}  // namespace velno
