#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Fifth-edition monsters moved to another challenge rating: the rows of typical statistics by
// rating, and the rewriting of a field's numbers from one row to another.
namespace veldarin {

// A rating's typical statistics: the guide's proficiency bonus, armor class and attack bonus,
// and the median hit points and largest hit of published monsters.
struct RatingRow {
  std::string_view rating;  // as a block writes it
  int proficiency;
  int armorClass;
  int attack;
  int hitPoints;
  int largestHit;
};

inline constexpr std::size_t RATING_ROWS = 34;  // 0, 1/8, 1/4, 1/2, 1 to 30

const RatingRow& ratingRow(std::size_t row);

// The row of the /c switch's value: "0", "0.125" or ".125", "0.25" or ".25", "0.5" or ".5", or
// a whole number 1-30 without sign or leading zero; none for any other text.
std::optional<std::size_t> targetRow(std::string_view value);

// The row of a rating as a block writes it ("1/4", "7"); none outside the table.
std::optional<std::size_t> ratingRowOf(std::string_view rating);

namespace scale {

// The hit dice "11d10+44 (104 hp)" moved to the target hit points (`points`, in and out: the
// points read, -1 when none were, and the new ones).
std::string hitDice(std::string_view text, int& points, const RatingRow& from, const RatingRow& to);
// Every die expression of each "; or " item moved by the ratio of the largest hits, or its
// flat damage when it has no dice.
std::string damage(std::string_view text, const RatingRow& from, const RatingRow& to);
// The bonus before each attack's kind moved by the attack bonuses' difference.
std::string attacks(std::string_view text, int change);
// "Str +3, Dex +4, ...": the saves that differ from their ability's modifier moved.
std::string saves(std::string_view text, std::string_view abilities, int change);
// The condensed attacks, "bite +5 (1d4+3 piercing)", from the attacks and damage.
std::string condensedAttacks(std::string_view attacks, std::string_view damage);

}  // namespace scale

}  // namespace veldarin
