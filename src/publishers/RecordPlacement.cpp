#include "publishers/RecordPlacement.h"

#include "store/CVelnoDoc.h"
#include "store/Collation.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

namespace {

std::string sortName(const CVelnoDoc& doc, const PublisherRecord& r) {
    // The same names the store's own sort compares.
    return displayNameOf(r, !doc.settings().sortByFirstName);
}

// Moves the record at `from` so that it stands at `to` (positions after the
// move), shifting the records between.
void moveRecord(RecordStore& store, int from, int to) {
    if (from == to) return;
    const PublisherRecord r = store.at(from);
    store.removeAt(from);
    store.insertAt(to, r);
}

// One pass that moves every record that sorts before its predecessor down
// to its place; equal names keep their order.
void orderPass(CVelnoDoc& doc) {
    RecordStore& store = doc.store();
    for (int p = 2; p < store.recordCount(); ++p) {
        int q = p;
        while (q > 1 && compareForSort(doc, store.at(p), store.at(q - 1)) < 0) --q;
        moveRecord(store, p, q);
    }
}

// The equal record's references to its id would point at nobody once its
// contents are replaced.
void releaseReferences(CVelnoDoc& doc, PublisherId id) {
    RecordStore& store = doc.store();
    for (int p = 1; p < store.recordCount(); ++p)
        if (store.at(p).household == id) store.at(p).household = 0;
    doc.reportWriteFailure(doc.blankRemarksOf(id));
    doc.privilegeDates().removeAllOf(id);
}

// The index is not current while records move.
int linearPosition(const RecordStore& store, PublisherId id) {
    for (int p = 1; p < store.recordCount(); ++p)
        if (store.at(p).id == id) return p;
    return 0;
}

std::string duplicateMessage(const CVelnoDoc& doc, int pos, bool adding) {
    std::string message =
        text::cp1252ToUtf8(doc.displayName(pos)) + " " + text::tr(text::TxIsDuplicate) + "\n\n";
    if (adding) message += text::tr(text::TxOverwriteWithNew);
    return message;
}

}  // namespace

int compareForSort(const CVelnoDoc& doc, const PublisherRecord& a, const PublisherRecord& b) {
    const bool aOverseer = a.listKind == ListCircuitOverseer;
    const bool bOverseer = b.listKind == ListCircuitOverseer;
    if (aOverseer != bOverseer) return aOverseer ? 1 : -1;
    if (aOverseer) return 0;
    const std::string na = sortName(doc, a);
    const std::string nb = sortName(doc, b);
    return compareNames(trimmed(na), trimmed(nb));
}

std::string listName(const CVelnoDoc& doc, int pos) {
    if (pos <= 0 || pos >= doc.store().recordCount()) return {};
    const std::string name = doc.settings().sortByFirstName
                                 ? doc.displayName(pos)
                                 : displayNameOf(doc.store().at(pos), true);
    return text::cp1252ToUtf8(name);
}

PlaceResult placeRecord(CVelnoDoc& doc, int k, PlaceMode mode) {
    RecordStore& store = doc.store();
    PlaceResult result;
    result.position = k;
    if (k <= 0 || k >= store.recordCount() || store.recordCount() <= 2) return result;

    int target = store.recordCount();  // after everyone
    for (int i = 1; i < store.recordCount(); ++i) {
        if (i == k) continue;
        const int c = compareForSort(doc, store.at(k), store.at(i));
        if (c > 0) continue;
        if (c < 0) {
            target = i;
            break;
        }
        const bool sideListEqual = mode == PlaceMode::Adding &&
                                   store.at(k).listKind == ListActive &&
                                   store.at(i).listKind != ListActive;
        if (sideListEqual) continue;
        if (mode == PlaceMode::Editing) {
            doc.prompter().tell(duplicateMessage(doc, i, false), Icon::Warning);
            // The name is kept; the record still goes to its place so the
            // lists stay in order.
            const PublisherId id = store.at(k).id;
            orderPass(doc);
            result.outcome = PlaceOutcome::DuplicateKept;
            result.position = linearPosition(store, id);
            return result;
        }
        const Answer answer = doc.prompter().ask(duplicateMessage(doc, i, true), Buttons::YesNo,
                                                 Answer::No, Icon::Question);
        const PublisherRecord fresh = store.at(k);
        store.removeAt(k);
        if (answer != Answer::Yes) {
            result.outcome = PlaceOutcome::Dropped;
            result.position = 0;
            return result;
        }
        if (k < i) --i;
        releaseReferences(doc, store.at(i).id);
        store.at(i) = fresh;
        result.outcome = PlaceOutcome::Overwritten;
        result.position = i;
        return result;
    }
    const PublisherId id = store.at(k).id;
    moveRecord(store, k, target > k ? target - 1 : target);
    orderPass(doc);
    result.position = linearPosition(store, id);
    return result;
}

void toggleSortByFirstName(CVelnoDoc& doc) {
    Settings& settings = doc.settings();
    settings.sortByFirstName = !settings.sortByFirstName;
    if (settings.sortByFirstName) doc.viewOptions().bytes[0] = 0;
    doc.sortAndIndex();
    doc.dirty = true;
}

void toggleAutoCaps(CVelnoDoc& doc) {
    doc.settings().autoCaps = doc.settings().autoCaps ? 0 : 1;
    doc.dirty = true;
}

}  // namespace velno
