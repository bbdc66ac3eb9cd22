#pragma once
// The service-privileges dialog (dialog 150 "Hak istimewa dinas"): five
// appointments, each with its box and its start and end dates, and the
// special-servant and field-missionary marks. Opened from the record
// editor (which takes the boxes back) and from the privileges list (which
// writes them into the record itself).

#include <array>
#include <string>

#include "publishers/DateLists.h"
#include "publishers/PublisherEditModel.h"
#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;

enum class PrivilegeDate { Start, End };

class ServicePrivilegesModel {
public:
    static constexpr int kRows = 5;
    // A year list: 100 years up to the year after the ReportMonth's.
    static constexpr int kYearsBack = 98;

    // On the record at `storePos` as it stands in the store (the record
    // editor stores its controls first).
    ServicePrivilegesModel(CVelnoDoc& doc, int storePos);

    // Texts, UTF-8.
    std::string title() const;  // caption, " - " and the display name
    std::string heading() const;
    std::string startHeading() const;
    std::string endHeading() const;
    std::string rowText(int row) const;
    std::string specialServantText() const;
    std::string missionaryText() const;

    // Row r (0..4) holds privilege kind r + 1.
    static int kindOfRow(int row) { return row + 1; }
    bool checked(int row) const { return rows_[row].checked; }
    // A record without the brother bit cannot be servant or elder.
    bool enabled(int row) const;
    // The end lists show only for an appointment that ended: a complete
    // start date and the box unchecked.
    bool endVisible(int row) const;
    const DateLists& date(int row, PrivilegeDate which) const;
    bool specialServant() const { return specialServant_; }
    bool missionary() const { return missionary_; }

    // Checking a box clears the ones that cannot go with it (servant and
    // elder; the three pioneer kinds), as the record editor does.
    void setChecked(int row, bool on);
    void setSpecialServant(bool on) { specialServant_ = on; }
    void setMissionary(bool on) { missionary_ = on; }

    // The lists, with the record editor's typing rules.
    void setDateLine(int row, PrivilegeDate which, DatePart part, int line);
    DateKeyAction dateChar(int row, PrivilegeDate which, DatePart part, char c);
    DateKeyAction dateKey(int row, PrivilegeDate which, DatePart part, DateKey key);
    void dateFocusEntered(int row, PrivilegeDate which, DatePart part);
    // A whole date at once (0 for a blank part); false, with nothing
    // changed, when a part lies outside its list.
    bool setDate(int row, PrivilegeDate which, int month, int day, int year);

    // OK: every row's dates into the publisher's rows of their kinds. A row
    // that cannot be created (the table is full) is told. Returns the boxes
    // for the caller.
    PrivilegeChecks ok();
    PrivilegeChecks checks() const;

private:
    struct Row {
        bool checked = false;
        DateLists start;
        DateLists end;
    };
    DateLists& lists(int row, PrivilegeDate which);
    void applyEndRule();

    CVelnoDoc& doc_;
    int storePos_;
    PublisherId id_;
    bool brother_;
    std::array<Row, kRows> rows_;
    bool specialServant_ = false;
    bool missionary_ = false;
};

// The privileges list has no record editor to hand the boxes to: they go
// into the record as the editor would store them.
void applyPrivilegeChecks(CVelnoDoc& doc, int storePos, const PrivilegeChecks& checks);

// Tells that the dated-privilege table has no room for a row of `name`.
void tellPrivilegeTableFull(CVelnoDoc& doc, const std::string& nameUtf8);

}  // namespace velno
