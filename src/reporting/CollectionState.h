#pragma once
// The collection state of each calendar month, kept in the header record:
// 0 not initialised, 1 open, 2 closed.

namespace velno {

class CVelnoDoc;

namespace Collection {
constexpr int NotInitialised = 0;
constexpr int Open = 1;
constexpr int Closed = 2;
}  // namespace Collection

int collectionState(const CVelnoDoc& doc, int month0);
// The ReportMonth's state.
int reportMonthState(const CVelnoDoc& doc);

// "Close report collection": the ReportMonth's reports are complete; its
// saved totals keep what they last received.
void CloseCollection(CVelnoDoc& doc);

}  // namespace velno
