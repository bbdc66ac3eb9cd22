// The two files the report import remembers: "vnmap.dat" (the column map)
// and "tpmap.dat" (the names assigned by hand). Whatever they hold, reading
// stays inside them, a map read back from what was written is the same, and
// the column map dialog takes only what fits the file's header.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "exchange/ColumnMapFile.h"
#include "exchange/ColumnMapModel.h"
#include "exchange/NameMapFile.h"

using namespace velno;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Bytes bytes(data, data + size);
    ColumnMap map;
    if (readColumnMap(bytes, map)) {
        ColumnMap again;
        if (!readColumnMap(columnMapBytes(map), again) || again.column != map.column ||
            again.header != map.header || again.rule != map.rule)
            std::abort();
        const std::vector<std::string> header{"Depan", "Keluarga", "Berdinas", "PAR", "Jam", "Ket"};
        ColumnMapModel model(header, &map);
        for (int t = 0; t < kCsvTargets; ++t)
            if (model.columnOf(t) >= static_cast<int>(header.size())) std::abort();
        (void)model.targetLines();
    }
    const auto entries = readNameMap(bytes);
    if (entries.size() > static_cast<std::size_t>(tpmap::kMaxRecords)) std::abort();
    const auto back = readNameMap(nameMapBytes(entries));
    if (back.size() != entries.size()) std::abort();
    for (std::size_t k = 0; k < back.size(); ++k)
        if (back[k].csvName != entries[k].csvName ||
            back[k].displayName != entries[k].displayName || back[k].id != entries[k].id)
            std::abort();
    return 0;
}
