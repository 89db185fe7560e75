#include "templates/rolls.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "monster/ascii.h"
#include "read/block_text.h"

namespace veldarin {

namespace {

struct SkillAbility {
  std::string_view name;
  Ability ability;
};

constexpr auto SKILL_ABILITIES = std::to_array<SkillAbility>({
    {"Climb", STR},
    {"Jump", STR},
    {"Swim", STR},
    {"Acrobatics", DEX},
    {"Balance", DEX},
    {"Escape Artist", DEX},
    {"Fly", DEX},
    {"Hide", DEX},
    {"Move Silently", DEX},
    {"Open Lock", DEX},
    {"Pick Pocket", DEX},
    {"Ride", DEX},
    {"Sleight of Hand", DEX},
    {"Stealth", DEX},
    {"Tumble", DEX},
    {"Use Rope", DEX},
    {"Concentration", CON},
    {"Appraise", INT},
    {"Craft", INT},
    {"Decipher Script", INT},
    {"Forgery", INT},
    {"Knowledge", INT},
    {"Linguistics", INT},
    {"Search", INT},
    {"Spellcraft", INT},
    {"Heal", WIS},
    {"Intuit Direction", WIS},
    {"Profession", WIS},
    {"Sense Motive", WIS},
    {"Survival", WIS},
    {"Wilderness Lore", WIS},
    {"Listen", WIS},
    {"Spot", WIS},
    {"Perception", WIS},
    {"Animal Empathy", CHA},
    {"Bluff", CHA},
    {"Diplomacy", CHA},
    {"Disguise", CHA},
    {"Gather Information", CHA},
    {"Handle Animal", CHA},
    {"Innuendo", CHA},
    {"Intimidate", CHA},
    {"Perform", CHA},
    {"Use Magic Device", CHA},
});

// The name, or the name with what it is about in parentheses ("Craft (alchemy)").
bool names(std::string_view skill, std::string_view name) {
  if (!startsWithIgnoringCase(skill, name)) return false;
  const std::string_view rest = withoutLeading(skill.substr(name.size()), " ");
  return rest.empty() ? skill.size() == name.size() : rest.front() == '(';
}

}  // namespace

bool RollChanges::any() const {
  return dc != 0 || armorClass || hitPointsPerDie != 0 || ratingSteps != 0 ||
         std::any_of(roll.begin(), roll.end(), [](int change) { return change != 0; });
}

RollChanges rollChanges(TemplateSet templates) {
  RollChanges changes;
  if (asks(templates, TEMPLATE_ADVANCED)) {
    for (int& change : changes.roll) change += 2;
    changes.dc += 2;
    changes.armorClass = true;
    changes.hitPointsPerDie += 2;
    changes.ratingSteps += 1;
  }
  if (asks(templates, TEMPLATE_GIANT)) {
    changes.roll[STR] += 2;
    changes.roll[CON] += 2;
    changes.roll[DEX] -= 1;
    changes.hitPointsPerDie += 2;
    changes.ratingSteps += 1;
  }
  if (asks(templates, TEMPLATE_YOUNG)) {
    for (std::size_t ability = 0; ability < changes.roll.size(); ++ability) {
      changes.roll[ability] += ability == DEX ? 2 : -2;
    }
    changes.hitPointsPerDie -= 2;
    changes.ratingSteps -= 1;
  }
  return changes;
}

Ability skillAbility(std::string_view name, bool pathfinder) {
  if (name.empty()) return NO_ABILITY;
  // Most entries differ in their first letter, which is all that is compared for them.
  const char first = toUpperAscii(name.front());
  if (first == 'D' && names(name, "Disable Device")) return pathfinder ? DEX : INT;
  for (const SkillAbility& skill : SKILL_ABILITIES) {
    if (skill.name.front() == first && names(name, skill.name)) return skill.ability;
  }
  return NO_ABILITY;
}

}  // namespace veldarin
