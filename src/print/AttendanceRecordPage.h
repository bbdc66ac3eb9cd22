#pragma once
// The printed attendance record ("CATATAN HADIRIN PERHIMPUNAN") of the
// yearly attendance dialog: for a meeting, every service year the month
// slots still hold, month by month.

#include "print/ReportKinds.h"

namespace velno::print {

// Both meetings, each starting on a page of its own.
int drawAttendanceRecord(ReportContext& ctx);
int drawAttendanceRecord(ReportContext& ctx, int block);
// The drawing routine for the dialog's chosen meeting (0 midweek,
// 1 weekend); any other value draws both.
DrawReport attendanceRecordDrawer(int block);

}  // namespace velno::print
