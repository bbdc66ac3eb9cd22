#pragma once
// The delete dialog (dialog 149, titled with the publisher's name):
// permanently, or temporarily to the deleted list with a month and year.

#include <string>
#include <vector>

namespace velno {

class CVelnoDoc;

enum class DeleteKind { Permanent, Temporary };

struct DeleteChoice {
    DeleteKind kind = DeleteKind::Permanent;
    int month = 0;  // 1..12, 0 for the blank line
    int year = 0;
};

class DeletePublisherModel {
public:
    static constexpr int kFirstYear = 1950;

    DeletePublisherModel(const CVelnoDoc& doc, int pos);

    const std::string& title() const { return title_; }
    std::string permanentText() const;
    std::string temporaryText() const;

    DeleteKind kind() const { return kind_; }
    void setKind(DeleteKind kind) { kind_ = kind; }
    // The month and year lists show only for a temporary deletion.
    bool dateListsVisible() const { return kind_ == DeleteKind::Temporary; }
    // A blank line, then "Jan" .. "Des".
    std::vector<std::string> monthLines() const;
    int monthLine() const { return month_; }
    void setMonthLine(int line);
    // 1950 up to the ReportMonth's calendar year.
    std::vector<std::string> yearLines() const;
    int yearLine() const { return year_ - kFirstYear; }
    void setYearLine(int line);

    DeleteChoice ok() const { return {kind_, month_, year_}; }

private:
    std::string title_;
    int lastYear_;
    DeleteKind kind_ = DeleteKind::Permanent;
    int month_;
    int year_;
};

// Carries out the choice on the record at `pos`; false when nothing
// changed (a full deleted list refuses a temporary deletion silently).
bool applyDeletion(CVelnoDoc& doc, int pos, const DeleteChoice& choice);

}  // namespace velno
