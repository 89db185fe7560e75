#pragma once

#include <cstddef>
#include <string_view>

namespace veldarin {

class LineReader;
class MonsterGroup;

// Reads a 3.0 or 3.5 stat table into the group's monsters, one per column (or the single
// "Label: value" block when no line holds a tab, `widest` being 1), added to an empty group.
// False when the file ends before the type line.
bool readTable(MonsterGroup& group, LineReader& reader, std::size_t widest);

// Whether a table line begins with a label that selects a row.
bool selectsRow(std::string_view line);

}  // namespace veldarin
