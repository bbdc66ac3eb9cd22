#pragma once
// "vnxcfg.cfg": the view options (name order, date format).
// Read into a document table at load and written at save.

#include <array>
#include <cstdint>

#include "store/DataFolder.h"

namespace velno {

struct ViewOptions {
    static constexpr const char* kFileName = "vnxcfg.cfg";
    std::array<std::uint8_t, 7> bytes{};

    bool familyNameFirst() const { return bytes[0] == 1; }
    bool alternativeDateFormat() const { return bytes[5] == 1; }
    bool includeDates() const { return bytes[6] == 1; }

    void readViewOptions(const DataFolder& folder);
    FileResult writeViewOptions(const DataFolder& folder) const;
};

}  // namespace velno
