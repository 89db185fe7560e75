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

// In alphabetical order, so that the skills of a first letter stand together.
constexpr auto SKILL_ABILITIES = std::to_array<SkillAbility>({
    {"Acrobatics", DEX},
    {"Animal Empathy", CHA},
    {"Appraise", INT},
    {"Balance", DEX},
    {"Bluff", CHA},
    {"Climb", STR},
    {"Concentration", CON},
    {"Craft", INT},
    {"Decipher Script", INT},
    {"Diplomacy", CHA},
    {"Disguise", CHA},
    {"Escape Artist", DEX},
    {"Fly", DEX},
    {"Forgery", INT},
    {"Gather Information", CHA},
    {"Handle Animal", CHA},
    {"Heal", WIS},
    {"Hide", DEX},
    {"Innuendo", CHA},
    {"Intimidate", CHA},
    {"Intuit Direction", WIS},
    {"Jump", STR},
    {"Knowledge", INT},
    {"Linguistics", INT},
    {"Listen", WIS},
    {"Move Silently", DEX},
    {"Open Lock", DEX},
    {"Perception", WIS},
    {"Perform", CHA},
    {"Pick Pocket", DEX},
    {"Profession", WIS},
    {"Ride", DEX},
    {"Search", INT},
    {"Sense Motive", WIS},
    {"Sleight of Hand", DEX},
    {"Spellcraft", INT},
    {"Spot", WIS},
    {"Stealth", DEX},
    {"Survival", WIS},
    {"Swim", STR},
    {"Tumble", DEX},
    {"Use Magic Device", CHA},
    {"Use Rope", DEX},
    {"Wilderness Lore", WIS},
});
static_assert(std::is_sorted(SKILL_ABILITIES.begin(), SKILL_ABILITIES.end(),
                             [](const SkillAbility& a, const SkillAbility& b) {
                               return a.name < b.name;
                             }));

// Where the skills of each first letter begin in the table; the last entry is its end.
constexpr auto LETTER_STARTS = [] {
  std::array<std::size_t, 27> starts{};
  std::size_t at = 0;
  for (std::size_t letter = 0; letter < 26; ++letter) {
    while (at < SKILL_ABILITIES.size() &&
           static_cast<std::size_t>(SKILL_ABILITIES[at].name.front() - 'A') < letter) {
      ++at;
    }
    starts[letter] = at;
  }
  starts[26] = SKILL_ABILITIES.size();
  return starts;
}();

// The name, or the name with what it is about in parentheses ("Craft (alchemy)").
bool names(std::string_view skill, std::string_view name) {
  if (!startsWithIgnoringCase(skill, name)) return false;
  std::size_t rest = name.size();
  while (rest < skill.size() && skill[rest] == ' ') ++rest;
  return rest == skill.size() ? skill.size() == name.size() : skill[rest] == '(';
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
  const char first = toUpperAscii(name.front());
  if (first == 'D' && names(name, "Disable Device")) return pathfinder ? DEX : INT;
  if (!isUpperChar(first)) return NO_ABILITY;
  // Only the skills of the name's first letter are compared.
  const std::size_t letter = static_cast<std::size_t>(first - 'A');
  for (std::size_t at = LETTER_STARTS[letter]; at < LETTER_STARTS[letter + 1]; ++at) {
    if (names(name, SKILL_ABILITIES[at].name)) return SKILL_ABILITIES[at].ability;
  }
  return NO_ABILITY;
}

}  // namespace veldarin
