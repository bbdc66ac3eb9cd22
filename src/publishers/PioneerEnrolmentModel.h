#pragma once
// Pioneer enrolment (dialog 111): sets and clears the pioneer kind of one
// month for many publishers at once, for auxiliary, regular or special
// pioneers. The months offered are the 24 that the records hold.

#include <string>
#include <vector>

#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;

enum class EnrolmentMode { Auxiliary, Regular, Special };

struct EnrolmentRow {
    int storePos = 0;
    std::string name;  // UTF-8
};

enum class EnrolmentSide { Left, Right };

class PioneerEnrolmentModel {
public:
    PioneerEnrolmentModel(CVelnoDoc& doc, EnrolmentMode mode);

    EnrolmentMode mode() const { return mode_; }
    ServiceKind kind() const;

    // ---- texts (UTF-8) ---------------------------------------------------
    // "%s - %s %d ( %d )": mode, month, two-digit year, right-list lines.
    std::string title() const;
    std::string actionText() const;
    std::string nameLine() const { return name_; }
    std::string specialCheckText() const;
    std::string finishText() const;

    // ---- years and months ----------------------------------------------
    // The two-digit years y-2, y-1 and y.
    std::vector<std::string> yearLines() const;
    int yearLine() const { return yearLine_; }
    void selectYear(int line);
    // The full month names of the selected year inside the window.
    std::vector<std::string> monthLines() const;
    int monthLine() const;
    void selectMonth(int line);
    // The selected month (0..11) and its two-digit year; -1 without one.
    int month0() const { return month0_; }
    int year2() const;

    // ---- the lists ---------------------------------------------------------
    const std::vector<EnrolmentRow>& leftRows() const { return left_; }
    const std::vector<EnrolmentRow>& rightRows() const { return right_; }
    // The remembered lines (the button acts on them).
    int leftLine() const { return leftLine_; }
    int rightLine() const { return rightLine_; }
    // The line shown selected: only the list that has the focus shows one.
    int visibleSelection(EnrolmentSide side) const;
    EnrolmentSide activeSide() const { return side_; }
    void focusList(EnrolmentSide side);
    void selectLine(EnrolmentSide side, int line);
    bool defaultIsAction() const { return true; }

    bool specialCheckVisible() const { return mode_ != EnrolmentMode::Auxiliary; }
    bool specialChecked() const { return mode_ == EnrolmentMode::Special; }
    void setSpecialChecked(bool on);

    // The action button: adds the remembered left line or removes the
    // remembered right line. Returns whether a record changed.
    bool act();
    bool add();
    bool remove();

private:
    std::vector<int> monthsOfYear(int line) const;
    void rebuild();
    void showName(EnrolmentSide side);
    int slot() const;

    CVelnoDoc& doc_;
    EnrolmentMode mode_;
    int reportMonth0_;
    int reportYear2_;
    int yearLine_ = 2;
    int month0_ = -1;
    std::vector<EnrolmentRow> left_;
    std::vector<EnrolmentRow> right_;
    int leftLine_ = 0;
    int rightLine_ = 0;
    EnrolmentSide side_ = EnrolmentSide::Left;
    std::string name_;
};

}  // namespace velno
