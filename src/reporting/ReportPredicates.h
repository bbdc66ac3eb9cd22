#pragma once
// The basic questions about one month of one record, shared by every count
// and list: did the publisher report, with hours, with a remark.

#include "store/PublisherRecord.h"
#include "store/RemarkTable.h"

namespace velno {

// Hours, participation in the ministry, or quarter hours.
bool IsReported(const PublisherRecord& record, int month0, int parity);
// Hours or quarter hours.
bool HasHoursOrCode(const PublisherRecord& record, int month0, int parity);
// The slot points at a remark with a text.
bool HasRemark(const PublisherRecord& record, const RemarkTable& remarks, int month0, int parity);

// One month of a walk back from a starting month: the parity flips each
// time the walk passes from January to December.
struct WalkMonth {
    int month0;
    int parity;
    int stamp;
};

// The last `count` months, starting with (month0, year) itself.
template <typename Visit>
void walkBack(int stamp, int count, Visit visit) {
    for (int i = 0; i < count; ++i) {
        const int s = stamp - i;
        const WalkMonth m{s % 12, (s / 12) & 1, s};
        if (!visit(m)) return;
    }
}

}  // namespace velno
