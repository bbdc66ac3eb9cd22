#include "reporting/TallyMonth.h"

#include "reporting/CollectionState.h"
#include "reporting/LateReports.h"
#include "reporting/ReportPredicates.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"
#include "text/texts/ReportingTexts.h"

namespace velno {

namespace {

bool isLeftOutOfTally(const PublisherRecord& r) {
    return r.categoryBits & (CategoryBit::SpecialServant | CategoryBit::Missionary);
}

// Publishers report only their Bible studies; pioneers every number.
void addValues(CategoryTally& tally, int category, const PublisherRecord& r, int slot) {
    tally.add(category, TallyValue::Count, 1);
    if (category == TallyCategory::Publishers) {
        tally.add(category, TallyValue::Studies, r.itemAt(slot, TallyValue::Studies));
        return;
    }
    for (int v = TallyValue::Placements; v <= TallyValue::Studies; ++v)
        tally.add(category, v, r.itemAt(slot, v));
}

}  // namespace

void TallyMonth(CVelnoDoc& doc) {
    CategoryTally& tally = doc.tally();
    tally.clear();
    const ReportMonth& month = doc.reportMonth();
    const int m0 = month.reportMonth0;
    const int p0 = month.parity();
    const RecordStore& store = doc.store();
    const auto& late = doc.lateReports().entries();

    for (int pos : store.subList(ListActive)) {
        const PublisherRecord& r = store.at(pos);
        if (isLeftOutOfTally(r)) continue;
        for (const LateReportEntry& e : late) {
            if (e.id != r.id || e.month0 > 11) continue;
            const int p = lateParity(month, e.month0);
            const int slot = monthSlot(e.month0, p);
            // Special pioneers report to the branch themselves.
            if (IsReported(r, e.month0, p) && r.kindAt(slot) < ServiceSpecial)
                addValues(tally, r.kindAt(slot), r, slot);
        }
        if (IsReported(r, m0, p0)) {
            const int slot = monthSlot(m0, p0);
            addValues(tally, r.kindAt(slot), r, slot);
        }
    }
    tally.values[TallyCategory::Publishers][TallyValue::ActivePublishers] =
        static_cast<std::uint16_t>(store.subList(ListActive).size());
    tally.stale = false;

    if (collectionState(doc, m0) == Collection::Open) {
        // The quarter hours of the history are the history editor's; the
        // tally never has any.
        CategoryTally saved = MonthlyHistory(doc, m0, p0);
        for (int c = 0; c < CategoryTally::kCategories; ++c)
            for (int v = 0; v < CategoryTally::kValues; ++v)
                if (v != TallyValue::QuarterHours) saved.values[c][v] = tally.values[c][v];
        setMonthlyHistory(doc, m0, p0, saved);
    }
}

int CategoryTotal(const CategoryTally& tally, int value) {
    int sum = 0;
    for (int c = TallyCategory::Publishers; c <= TallyCategory::Regular; ++c) {
        sum += tally.at(c, value);
        if (value == TallyValue::Hours) sum += tally.at(c, TallyValue::QuarterHours) / 4;
    }
    return sum;
}

CategoryTally MonthlyHistory(const CVelnoDoc& doc, int month0, int parity) {
    CategoryTally t;
    t.stale = false;
    const ReportTotals& totals = doc.totals();
    for (int c = 0; c < CategoryTally::kCategories; ++c)
        for (int v = 0; v < CategoryTally::kValues; ++v)
            t.values[c][v] = totals.values[month0][c][v][parity];
    return t;
}

void setMonthlyHistory(CVelnoDoc& doc, int month0, int parity, const CategoryTally& tally) {
    ReportTotals& totals = doc.totals();
    for (int c = 0; c < CategoryTally::kCategories; ++c)
        for (int v = 0; v < CategoryTally::kValues; ++v)
            totals.values[month0][c][v][parity] = tally.values[c][v];
}

BranchReport BranchReportBox(const CVelnoDoc& doc) {
    const CategoryTally& t = doc.tally();
    BranchReport box;
    const int active = t.at(TallyCategory::Publishers, TallyValue::ActivePublishers);
    box.title =
        text::arg(text::tr(text::TxBranchTitle), text::monthName(doc.reportMonth().reportMonth0)) +
        text::arg(text::tr(text::TxActiveCount), std::to_string(active)) +
        text::tr(text::TxActivePublishers);
    box.heads = {text::tr(text::TxSharedCaption), text::tr(text::TxHoursCaption),
                 text::tr(text::TxStudiesCaption)};
    const auto row = [&](int label, int c, bool withHours) {
        BranchReportRow r;
        r.label = text::tr(label);
        r.count = t.at(c, TallyValue::Count);
        if (withHours) r.hours = t.at(c, TallyValue::Hours);
        r.studies = t.at(c, TallyValue::Studies);
        return r;
    };
    box.rows[0] = row(text::TxBranchPublishers, TallyCategory::Publishers, false);
    box.rows[1] = row(text::TxBranchAuxiliary, TallyCategory::Auxiliary, true);
    box.rows[2] = row(text::TxBranchRegular, TallyCategory::Regular, true);
    box.rows[3].label = text::tr(text::TxBranchTotal);
    box.rows[3].count = box.rows[0].count + box.rows[1].count + box.rows[2].count;
    box.rows[3].hours = CategoryTotal(t, TallyValue::Hours);
    box.rows[3].studies = CategoryTotal(t, TallyValue::Studies);
    return box;
}

}  // namespace velno
