#pragma once
// A publisher's e-mail address from his extended information, read without
// disturbing the extension table's current entry: the lists and the
// reminders read it from a document they only look at.

#include <string>

namespace velno {

class CVelnoDoc;

// The address at store position `pos`, trimmed and in Windows-1252; empty
// when the record has no extension entry or the entry belongs to another.
std::string publisherEmailAt(const CVelnoDoc& doc, int pos);

}  // namespace velno
