#pragma once

#include <array>
#include <string_view>

namespace veldarin {

struct AlignmentRow {
  std::string_view fullText;
  std::string_view abbreviation;
};

// Searched in order, first match wins: pairs before single words, "neutral" last among the
// words, and the empty text last of all, which is found in every text.
inline constexpr std::array<AlignmentRow, 14> alignmentTable{{
    {"lawful good", "LG"},
    {"lawful neutral", "LN"},
    {"lawful evil", "LE"},
    {"chaotic good", "CG"},
    {"chaotic neutral", "CN"},
    {"chaotic evil", "CE"},
    {"neutral good", "NG"},
    {"neutral evil", "NE"},
    {"lawful", "L"},
    {"chaotic", "C"},
    {"good", "G"},
    {"evil", "E"},
    {"neutral", "N"},
    {"", ""},
}};

}  // namespace veldarin
