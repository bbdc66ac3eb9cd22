// The view options "vnxcfg.cfg" that travel with the data.

#include <cstdint>

#include "MemoryFolder.h"
#include "store/files/ViewOptions.h"

using namespace velno;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::serveOneFile(ViewOptions::kFileName, data, size);
    ViewOptions options;
    options.readViewOptions(DataFolder(fuzz::kFolder));
    (void)options.familyNameFirst();
    (void)options.alternativeDateFormat();
    (void)options.includeDates();
    return 0;
}
