#pragma once
// The XML action of velno-cli export.

#include <string>
#include <vector>

#include "cli/Command.h"

namespace velno::cli {

int exportXml(Context& context, const std::vector<std::string>& rest);

}  // namespace velno::cli
