#pragma once
// The text ids of the printed pages, from texts/print.def. Each subsystem's ids have a
// header of their own so that a new text rebuilds only what uses it.

#include "text/StringTable.h"

namespace velno::text {

enum PrintTextId : int {
#define VELNO_TEXT(name, id, str) name = id,
#include "text/texts/print.def"
#undef VELNO_TEXT
};

}  // namespace velno::text
