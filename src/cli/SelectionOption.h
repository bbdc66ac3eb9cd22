#pragma once
// The selection flags of the page commands (--regular, --elders, ...,
// --group N): which publishers a page lists.

#include <initializer_list>
#include <optional>
#include <utility>

#include "cli/Arguments.h"
#include "cli/Command.h"
#include "reporting/PublisherSelection.h"

namespace velno::cli {

// At most one of the flags; --group N (when allowed) takes a number from 1
// to 20. Nothing, with the usage exit code in `code`, otherwise.
std::optional<PublisherSelection> selectionOption(
    Context& context, const Arguments& a,
    std::initializer_list<std::pair<const char*, Selection>> flags, bool groupAllowed, int& code);

}  // namespace velno::cli
