// The previous generation's files, converted by the load when the main
// file is missing: the records, side lists, remarks, totals, late marks,
// groups and attendance, in the folder and in its older snapshot.

#include <cstdint>
#include <vector>

#include "MemoryFolder.h"
#include "store/CVelnoDoc.h"
#include "store/convert/PreviousGeneration.h"

using namespace velno;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFileSystem fs;
    static const std::vector<std::string> names{"tdat7.bin",
                                                "tinac7.dat",
                                                "tmove7.dat",
                                                "tnopu7.dat",
                                                "tdele7.dat",
                                                "remark7.dat",
                                                "spcards.dat",
                                                "oddmo7.dat",
                                                "meeting.dat",
                                                "bkstudy.dat",
                                                "Roll/Vn7_8/remark7.dat",
                                                "Roll/Vn7_8/spcards.dat"};
    useFileSystemByDefault(&fs);
    fuzz::splitInput(data, size, names, fs);
    CVelnoDoc doc;
    doc.setToday({2025, 3, 10});
    doc.setPreviousFormat(&previousGeneration());
    doc.folder().setMemoryOnly(true);
    if (!doc.loadStore(fuzz::kFolder)) return 0;
    for (int pos = 1; pos < doc.store().recordCount(); ++pos) doc.displayName(pos);
    return 0;
}
