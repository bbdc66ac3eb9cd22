#pragma once
// The command line of `velno`: velno [--data DIR] [--today YYYY-MM-DD] [--demo]

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "store/Calendar.h"

namespace velno::app {

struct AppArguments {
    std::optional<std::filesystem::path> dataFolder;
    std::optional<CalendarDate> today;
    bool demo = false;
    bool help = false;
    std::string error;  // UTF-8; set when the line cannot be used
};

// Arguments after the program name; options Qt itself uses (-platform,
// -style, ...) are left to Qt and skipped here.
AppArguments parseAppArguments(const std::vector<std::string>& args);

}  // namespace velno::app
