#pragma once
// Opens a file with the program the desktop associates with it (the
// exports after the user's Yes).

#include "store/DesktopServices.h"

namespace velno {

class DesktopFileOpener : public FileOpener {
public:
    std::string open(const std::string& path) override;
};

}  // namespace velno
