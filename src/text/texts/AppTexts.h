#pragma once
// The text ids of the desktop program, from texts/app.def. Each subsystem's ids have a
// header of their own so that a new text rebuilds only what uses it.

#include "text/StringTable.h"

namespace velno::text {

enum AppTextId : int {
#define VELNO_TEXT(name, id, str) name = id,
#include "text/texts/app.def"
#undef VELNO_TEXT
};

}  // namespace velno::text
