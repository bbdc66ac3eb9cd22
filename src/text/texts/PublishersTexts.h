#pragma once
// The text ids of the publisher records, from texts/publishers.def. Each subsystem's ids have a
// header of their own so that a new text rebuilds only what uses it.

#include "text/StringTable.h"

namespace velno::text {

enum PublishersTextId : int {
#define VELNO_TEXT(name, id, str) name = id,
#include "text/texts/publishers.def"
#undef VELNO_TEXT
};

}  // namespace velno::text
