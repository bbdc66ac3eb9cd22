#pragma once
// The string table of the Indonesian build: numeric id -> UTF-8 text.
// Ids and texts are listed once, in texts/*.def, as VELNO_TEXT(name, id, "text").

#include <string>

namespace velno::text {

// The ids are enumerated per subsystem in text/texts/<Subsystem>Texts.h;
// every id is unique across all of them (checked where the table is built).
using TextId = int;

// The text of an id; an unknown id yields an empty text.
const std::string& tr(int id);

// Month names for month0 0..11 (ids 3..14, 1203..1214).
const std::string& monthName(int month0);
const std::string& monthShortName(int month0);

}  // namespace velno::text
