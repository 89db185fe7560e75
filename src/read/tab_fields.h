#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veldarin {

// A line divides into fields at tabs. A separator is a tab not directly followed by another
// tab, so a run of tabs separates once; a tab at the very end (or before the newline) opens an
// empty last field. A field ends at the next tab, newline or end of text.

// Where field n begins; none when the line has fewer than n separators, when nothing follows
// the n-th separator, or (n = 0) when the line is empty.
std::optional<std::size_t> findField(std::string_view line, std::size_t n);

// 1 plus the number of separators; the empty text has one field.
std::size_t countFields(std::string_view line);

// Field n of the line, without its tab or newline; empty when findField gives none.
void copyField(std::string_view line, std::size_t n, std::string& out);

// Fields 0 to maxFields - 1 in one walk over the line (fewer when the line has fewer), views
// into `line`. Returns countFields(line).
std::size_t splitFields(std::string_view line, std::size_t maxFields,
                        std::vector<std::string_view>& out);

}  // namespace veldarin
