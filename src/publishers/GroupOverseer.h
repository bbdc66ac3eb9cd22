#pragma once
// How a field service group's overseer is named on printed lists and
// pages.

#include <string>

namespace velno {

class CVelnoDoc;

// "Pengawas: name" (or "Hamba: name" when the active publisher of that
// name is a ministerial servant), UTF-8; empty when the group has no
// overseer.
std::string overseerTitle(const CVelnoDoc& doc, int group);

}  // namespace velno
