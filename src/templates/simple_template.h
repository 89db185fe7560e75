#pragma once

#include <string>
#include <string_view>

#include "templates/rolls.h"
#include "templates/template_codes.h"

namespace veldarin {

// "Advanced Giant ": the words the simple templates asked for put before a name, in that order.
std::string simpleTemplateNames(TemplateSet templates);

// The rewriting of a field's numbers by the simple templates' quick rules; each returns the
// new text, and a text whose numbers are not found comes back as it was.
namespace quick {

std::string initiative(std::string_view text, const RollChanges& changes);
std::string saves(std::string_view text, const RollChanges& changes);
// The attack items' bonuses and the first dice of the damage item at the same position, by
// whether the attack is ranged; Weapon Finesse bases melee attacks on Dexterity.
std::string attacks(std::string_view text, const RollChanges& changes, bool finesse);
std::string damage(std::string_view text, std::string_view attacks, const RollChanges& changes);
// Pathfinder's "+6; CMB +12 (+16 grapple); CMD 21", 3.5's "+2/-2".
std::string baseAttack(std::string_view text, const RollChanges& changes, bool pathfinder);
std::string skills(std::string_view text, const RollChanges& changes, bool pathfinder);
std::string difficultyClasses(std::string_view text, int change);
std::string armorClass(std::string_view text);
// The hit dice "6d10+24 (57 hp)" and the points they give (`points`, in and out: the points
// read from elsewhere when the text has none, or -1).
std::string hitDice(std::string_view text, int hitDiceRead, int perDie, int& points);
// A rating's text moved by whole steps along 1/8, 1/6, 1/4, 1/3, 1/2, 1, 2, ...
std::string rating(std::string_view text, int cr, int steps);

}  // namespace quick

}  // namespace veldarin
