#include "reporting/ReportPredicates.h"

namespace velno {

bool IsReported(const PublisherRecord& record, int month0, int parity) {
    const int slot = monthSlot(month0, parity);
    return record.hours[slot] > 0 || (record.studiesWord[slot] & StudiesWord::SharedOrUnderHour) ||
           (record.studiesWord[slot] & StudiesWord::QuarterMask);
}

bool HasHoursOrCode(const PublisherRecord& record, int month0, int parity) {
    const int slot = monthSlot(month0, parity);
    return record.hours[slot] > 0 || (record.studiesWord[slot] & StudiesWord::QuarterMask);
}

bool HasRemark(const PublisherRecord& record, const RemarkTable& remarks, int month0, int parity) {
    return remarks.hasText(record.remarkIndex[monthSlot(month0, parity)]);
}

}  // namespace velno
