#pragma once

#include <string>
#include <string_view>

namespace veldarin {

// A 5etools text with its "{@tag ...}" marks undone, the inner ones first, in one pass however
// deep they nest: attack and save labels, "+5" for a hit, "DC 13", "(Recharge 5–6)", and every
// other tag its display text when given, else its text. A "{@" never closed stays text.
std::string withoutToolTags(std::string_view text);

}  // namespace veldarin
