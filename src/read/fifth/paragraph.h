#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veldarin {

class Monster;

// The length of the name that begins a paragraph ("Keen Hearing and Smell.", "Legendary
// Resistance (3/Day)."): the text before the line's first "." that a space or the line's end
// follows, when it is one to eight words outside parentheses, the first capitalised (or "+1"),
// the others capitalised, numbers, parenthesised or small words. None for any other line.
std::optional<std::size_t> paragraphNameSize(std::string_view line);

// The same for a name ended by ": " ("Spear: +3 to hit, 1d6+1 piercing"), as compendiums write.
std::optional<std::size_t> colonNameSize(std::string_view line);

// Joins the words a PDF broke across lines: "dam- age" becomes "damage".
void joinBrokenWords(std::string& text);

// Dice as "18d10+36": without the spaces around their signs.
std::string withoutSpacesAroundSigns(std::string_view dice);

// One attack of an action: "Scimitar +4 melee" with its damage "1d6+2 slashing".
struct FifthAttack {
  std::string name;
  std::string bonus;
  std::string_view kind;  // " melee", " ranged" or " melee or ranged"
  std::string damage;     // "-" for none
  std::optional<int> reach;
};

// The attack of an action's name and the text after it, when the text begins "Melee" or
// "Ranged" and names an attack ("Melee Weapon Attack:", "Ranged Attack Roll:") before any
// other ":".
std::optional<FifthAttack> readAttack(std::string_view name, std::string_view body);

// The attack of a compendium's shorthand action ("+3 to hit, 80/320 ft, 1d6+1 piercing"): the
// bonus, ranged when the text gives a range, the first dice with their type and those joined
// to them by " + ".
std::optional<FifthAttack> readShorthandAttack(std::string_view name, std::string_view body);

// The attacks, damage and condensed attacks of the monster ("-" for each without attacks).
void writeAttacks(const std::vector<FifthAttack>& attacks, Monster& monster);

// The reach of the first melee attack that tells it, in feet; 5 when none does.
int meleeReach(const std::vector<FifthAttack>& attacks);

}  // namespace veldarin
