#pragma once
// The actions of velno-cli import, each in its own file.

#include <string>
#include <vector>

#include "cli/Command.h"

namespace velno::cli {

// import csv FILE [--map ...] [--rule] [--assign ...]... [--skip-unidentified] [--merge ...]
int importCsv(Context& context, const std::vector<std::string>& rest);

}  // namespace velno::cli
