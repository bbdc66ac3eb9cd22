#pragma once
// The text ids shared by every subsystem, from texts/common.def. Each subsystem's ids have a
// header of their own so that a new text rebuilds only what uses it.

#include "text/StringTable.h"

namespace velno::text {

enum CommonTextId : int {
#define VELNO_TEXT(name, id, str) name = id,
#include "text/texts/common.def"
#undef VELNO_TEXT
};

}  // namespace velno::text
