#pragma once
// The text ids of the analysis and trend pages, from texts/analysis.def. Each subsystem's ids have
// a header of their own so that a new text rebuilds only what uses it.

#include "text/StringTable.h"

namespace velno::text {

enum AnalysisTextId : int {
#define VELNO_TEXT(name, id, str) name = id,
#include "text/texts/analysis.def"
#undef VELNO_TEXT
};

}  // namespace velno::text
