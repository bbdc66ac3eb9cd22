#pragma once
// The yearly attendance dialog (dialog 135 "Hadirin Perhimpunan Setahun"):
// the months of the service years the slots hold, for one meeting.

#include <string>
#include <vector>

#include "reporting/Attendance.h"

namespace velno {

class CVelnoDoc;

class YearAttendanceModel {
public:
    enum class Action { None, Print, Close };

    explicit YearAttendanceModel(const CVelnoDoc& doc);

    std::string title() const;
    // The two meetings' names; the first is preselected.
    const std::vector<std::string>& blockNames() const { return names_; }
    int selectedBlock() const { return block_; }
    // The month table of the chosen meeting, oldest service year first.
    const std::vector<AttendanceServiceYear>& table() const { return table_; }

    void selectBlock(int block);
    // "&Cetak": the view prints the attendance record.
    Action print() const { return Action::Print; }
    // "&Selesai".
    Action finish() const { return Action::Close; }

private:
    const CVelnoDoc& doc_;
    std::vector<std::string> names_;
    int block_ = 0;
    std::vector<AttendanceServiceYear> table_;
};

}  // namespace velno
