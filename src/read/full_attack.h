#pragma once

#include <string>
#include <string_view>

namespace veldarin {

// A 3.5 attack line written as the 3.0 Attacks and Damage texts that the attack summary reads:
// "Bite +8 melee (1d8+2) and slam +3 melee (1d4+1)" gives the attacks
// "Bite +8 melee, slam +3 melee" and the damage "Bite 1d8+2, slam 1d4+1".
struct AttacksAndDamage {
  std::string attacks;
  std::string damage;
};

// Pathfinder leaves the word "melee" or "ranged" out of its attack lines: an `impliedKind` ("
// melee" or " ranged") is put back into each attack that has a damage group and neither word,
// before a closing " touch" ("+19 touch" becomes "+19 melee touch").
AttacksAndDamage splitFullAttack(std::string_view text, std::string_view impliedKind = {});

}  // namespace veldarin
