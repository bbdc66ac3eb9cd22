#pragma once
// Texts and look-ups that every group dialog shares: day names, the
// group's label and fields, and the active publisher an overseer's name
// stands for.

#include <string>
#include <string_view>

namespace velno {

class CVelnoDoc;
struct GroupFile;

enum class GroupText { Overseer, Assistant, Location, Name, Time };

// "Senin" .. "Minggu" for 0..6 (Monday first); empty otherwise. UTF-8.
std::string groupDayName(int day);
// The group's display text, UTF-8.
std::string groupDisplayText(const CVelnoDoc& doc, int group);
// A field of group 1..20 as stored, Windows-1252; empty for other numbers.
std::string groupText(const GroupFile& groups, int group, GroupText field);
// The field's storage and its longest text.
char* groupTextField(GroupFile& groups, int group, GroupText field);
std::size_t groupTextWidth(GroupText field);
std::size_t groupTextLimit(GroupText field);
// The store position of the active publisher whose first name, a blank and
// last name equal `name` (Windows-1252, trimmed) exactly; 0 when none does.
int activeByFullName(const CVelnoDoc& doc, std::string_view name);
// "first last" of a record, Windows-1252, as the pickers write it.
std::string fullNameOf(const CVelnoDoc& doc, int pos);

}  // namespace velno
