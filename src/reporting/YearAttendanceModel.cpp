#include "reporting/YearAttendanceModel.h"

#include "store/CVelnoDoc.h"
#include "text/texts/AnalysisTexts.h"

namespace velno {

YearAttendanceModel::YearAttendanceModel(const CVelnoDoc& doc) : doc_(doc) {
    for (int b = 0; b < kMeetingBlocks; ++b)
        names_.push_back(meetingName(doc.meetings().blocks[b]));
    table_ = attendanceRecord(doc_, block_);
}

std::string YearAttendanceModel::title() const {
    return text::tr(text::TxYearAttendanceTitle);
}

void YearAttendanceModel::selectBlock(int block) {
    if (block < 0 || block >= kMeetingBlocks || block == block_) return;
    block_ = block;
    table_ = attendanceRecord(doc_, block_);
}

}  // namespace velno
