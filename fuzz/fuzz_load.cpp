// The whole load sequence over every file of a data folder, then what a
// session does with the result: reading each record's extension, names,
// and a save (held in memory).

#include <cstdint>
#include <vector>

#include "MemoryFolder.h"
#include "store/CVelnoDoc.h"

using namespace velno;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFileSystem fs;
    static const std::vector<std::string> names{
        "tdat9.bin",  "xten7.dat",   "remark9.dat", "bkstudy.dat", "meetin9.dat",
        "tcard.dat",  "tlt15.dat",   "tappt.dat",   "emerg.dat",   "spneed.dat",
        "vnxcfg.cfg", "rmkundo.dat", "velno.commit"};
    useFileSystemByDefault(&fs);
    fuzz::splitInput(data, size, names, fs);
    CVelnoDoc doc;
    doc.setToday({2025, 3, 10});
    doc.folder().setMemoryOnly(true);
    if (!doc.loadStore(fuzz::kFolder)) return 0;
    for (int pos = 1; pos < doc.store().recordCount(); ++pos) {
        doc.extensionOf(pos);
        doc.displayName(pos);
        doc.remarkExists(pos, 2, 1);
    }
    (void)doc.saveAll();
    return 0;
}
