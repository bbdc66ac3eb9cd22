#include "reporting/CollectionState.h"

#include "store/CVelnoDoc.h"

namespace velno {

int collectionState(const CVelnoDoc& doc, int month0) {
    // HeaderRecord only reads here.
    return HeaderRecord(const_cast<PublisherRecord&>(doc.store().header())).collectionState(month0);
}

int reportMonthState(const CVelnoDoc& doc) {
    return collectionState(doc, doc.reportMonth().reportMonth0);
}

void CloseCollection(CVelnoDoc& doc) {
    doc.header().setCollectionState(doc.reportMonth().reportMonth0, Collection::Closed);
    doc.dirty = true;
}

}  // namespace velno
