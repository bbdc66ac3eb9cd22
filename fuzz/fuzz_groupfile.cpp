// A group report file (".t19") handed back by a group overseer: the
// reader's bounds, then the import list, its previews and the merge over a
// small congregation whose names some of the file's records may match.

#include <cstdint>
#include <vector>

#include "SmallCongregation.h"
#include "exchange/GroupExchangeFile.h"
#include "exchange/ImportSelectionModel.h"
#include "store/CVelnoDoc.h"

using namespace velno;

namespace {

CVelnoDoc& congregation() {
    static CVelnoDoc* doc = fuzz::smallCongregation({{"", "B"}, {"A", "B"}, {"", ""}, {"A", ""}});
    return *doc;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CVelnoDoc& doc = congregation();
    const Bytes bytes(data, data + size);
    ImportImage image;
    std::string message;
    const int month0 = size > 238 ? data[238] % 12 : 0;
    if (!readGroupFile(bytes, "fuzz.t19", month0, 0, "french", image, message)) return 0;
    // Whatever the file holds, the congregation is the same for every input.
    std::vector<PublisherRecord> pristine;
    for (int pos = 1; pos < doc.store().recordCount(); ++pos)
        pristine.push_back(doc.store().at(pos));
    ImportSelectionModel model(doc, std::move(image), ImportSelectionModel::Mode::GroupFile);
    for (int i = 0; i < static_cast<int>(model.lines().size()); ++i) (void)model.preview(i);
    (void)model.preview(-1);
    model.merge();
    for (int pos = 1; pos < doc.store().recordCount(); ++pos)
        doc.store().at(pos) = pristine[static_cast<std::size_t>(pos - 1)];
    doc.remarks().clear();
    doc.lateReports().clear();
    return 0;
}
