// An XML file handed to either import: detection and conversion of its
// encoding, the parse, every element walked with the cursor, text added to
// it, then the document check and the report import over a small
// congregation.

#include <cstdint>
#include <string>
#include <string_view>

#include "exchange/PublisherXml.h"
#include "exchange/XmlDocument.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"

using namespace velno;

namespace {

CVelnoDoc& congregation() {
    static CVelnoDoc* doc = [] {
        auto* d = new CVelnoDoc;
        d->setToday({2025, 5, 5});
        d->folder().setMemoryOnly(true);
        initHeaderRecord(d->store().header());
        d->store().setRecordCount(1);
        PublisherRecord r{};
        r.id = 100;
        setFieldText(r.fname, "A");
        setFieldText(r.lname, "B");
        r.listKind = ListActive;
        d->store().append(r);
        d->rebuildIndex();
        return d;
    }();
    return *doc;
}

// Every element below the cursor's parent, depth first, read as the
// imports read them.
void walk(xml::XmlDocument& x, int depth) {
    while (x.findElem()) {
        (void)x.data();
        (void)x.attrib("Year");
        (void)x.tagName();
        while (x.findChildElem()) (void)x.childData();
        if (depth < 64 && x.intoElem()) {
            walk(x, depth + 1);
            x.outOfElem();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    xml::XmlDocument x;
    x.loadBytes(bytes);
    walk(x, 0);
    // Writing into whatever was parsed keeps the index in step with the
    // text: a fresh parse of the result finds the same elements.
    x.resetPos();
    if (x.findElem()) {
        x.setAttrib("Ver", "1\"<&");
        x.addChildElem("Pub", "a<b");
        x.intoElem();
        x.addChildElem("id", 7);
        x.outOfElem();
        x.addElem("Tail");
    }
    xml::XmlDocument again;
    again.setDoc(x.doc());
    if (again.elementCount() < x.elementCount() &&
        x.result().size() < xml::XmlDocument::kResultLimit &&
        x.result().find("syntax") == std::string::npos &&
        x.result().find("unended") == std::string::npos &&
        x.result().find("lone") == std::string::npos)
        __builtin_trap();
    (void)x.saveBytes(size % 2 == 0);

    CVelnoDoc& doc = congregation();
    ImportImage image;
    std::string message;
    xml::XmlDocument y;
    y.loadBytes(bytes);
    readXmlReports(doc, y, image, message);
    return 0;
}
