#pragma once
// The XML actions of velno-cli import: the report import (the "(.xml)"
// button of the report list) and the publisher import.

#include <string>
#include <vector>

#include "cli/Command.h"

namespace velno::cli {

int importXmlReports(Context& context, const std::vector<std::string>& rest);
int importXmlPublishers(Context& context, const std::vector<std::string>& rest);

// "--ids 5,7,12": ids from `min` to 29999; false when malformed.
bool parseIdList(const std::string& text, int min, std::vector<int>& ids);

}  // namespace velno::cli
