#pragma once
// The string table of the Indonesian build: numeric id -> UTF-8 text.
// Ids and texts are listed once, in texts/*.def, as VELNO_TEXT(name, id, "text").

#include <string>

namespace velno::text {

enum TextId : int {
#define VELNO_TEXT(name, id, str) name = id,
#include "text/texts/all.def"
#undef VELNO_TEXT
};

// The text of an id; an unknown id yields an empty text.
const std::string& tr(int id);

// Month names for month0 0..11 (ids 3..14, 1203..1214).
const std::string& monthName(int month0);
const std::string& monthShortName(int month0);

}  // namespace velno::text
