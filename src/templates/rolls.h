#pragma once

#include <array>
#include <string_view>

#include "templates/template_codes.h"

namespace veldarin {

// The ability a roll is based on; NO_ABILITY for a skill without a listed key ability and for
// the damage of a ranged attack.
enum Ability { STR, DEX, CON, INT, WIS, CHA, NO_ABILITY, ABILITY_COUNT };

// What the quick rules of the simple templates asked for change, added up.
struct RollChanges {
  std::array<int, ABILITY_COUNT> roll{};  // by the ability the roll is based on
  int dc = 0;
  bool armorClass = false;  // advanced: +2 Dex and +2 natural armor
  int hitPointsPerDie = 0;
  int ratingSteps = 0;

  bool any() const;
};

RollChanges rollChanges(TemplateSet templates);

// The key ability of a skill by its name ("Move Silently", "Knowledge (arcana)", any case).
// Disable Device is Dexterity in Pathfinder and Intelligence in 3.0 and 3.5.
Ability skillAbility(std::string_view name, bool pathfinder);

}  // namespace veldarin
