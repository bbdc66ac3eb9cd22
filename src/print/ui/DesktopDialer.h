#pragma once
// Dialing through the desktop: a tel: address handed to the program the
// desktop has for it.

#include "store/DesktopServices.h"

namespace velno::print {

class DesktopDialer : public Dialer {
public:
    // "Telephone service not available" when nothing takes tel: addresses.
    std::string dial(const std::string& number) override;
};

}  // namespace velno::print
