#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The ability table of a fifth-edition block: six scores, and the saves a 2024 table prints.
namespace veldarin::fifth {

// "Con +6" and the like: the six abilities, as the abilities and saves texts name them.
inline constexpr std::array<std::string_view, 6> ABILITIES{"Str", "Dex", "Con",
                                                           "Int", "Wis", "Cha"};
inline constexpr std::size_t DEXTERITY = 1;

// The ability's position for a whole word of letters that names it (any case), or none.
std::optional<std::size_t> abilityNamed(std::string_view word);

// The ability text's scores and printed saves.
struct AbilityTable {
  std::array<std::optional<int>, 6> scores;
  std::array<std::string, 6> saves;
};

// Reads "STR DEX CON INT WIS CHA 21 (+5) 9 (-1) ..." (names first) or "Str 21 +5 +5 Dex 9 ..."
// (each name with its values). A score is a number without a sign and outside parentheses.
AbilityTable readAbilityTable(std::string_view text);

struct AbilityTexts {
  std::string abilities;  // "Str 21, Dex 9, ...", empty unless all six scores were read
  std::string saves;      // all six, "Str +5, Dex -1, ..."
  int dexterityModifier = 0;
};

// The texts of the fields: each save as the Saving Throws line or else the table printed it,
// otherwise its ability's modifier (+0 without scores).
AbilityTexts abilityTexts(const AbilityTable& table,
                          const std::array<std::string, 6>& savingThrows);

}  // namespace veldarin::fifth
