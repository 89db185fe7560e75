#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "monster/monster.h"
#include "templates/rolls.h"
#include "templates/template_codes.h"

namespace veldarin {

// "Advanced Giant ": the words the simple templates asked for put before a name, in that order.
std::string simpleTemplateNames(TemplateSet templates);

// What the rewriting reuses from field to field and from run to run, so that a bestiary's
// rewriting asks for no memory of its own.
struct RewriteScratch {
  std::string text;                   // a field's new text, as it is built
  std::vector<unsigned char> ranged;  // whether each of a monster's attacks is ranged
};

// The quick rules of the simple templates asked for (advanced, giant and young change the rolls,
// the armor class, the hit points and the rating, but not the name) on a run of monsters.
void applySimpleTemplates(std::span<Monster> run, TemplateSet templates, RewriteScratch& scratch);

// The rewriting of a field's numbers by the simple templates' quick rules, in place, each new
// text built in `buffer`; a text whose numbers are not found stays as it was.
namespace quick {

void initiative(std::string& field, const RollChanges& changes, std::string& buffer);
void saves(std::string& field, const RollChanges& changes, std::string& buffer);
// The attack items' bonuses and the first dice of the damage item at the same position, by
// whether the attack is ranged; Weapon Finesse bases melee attacks on Dexterity.
void attacks(std::string& field, const RollChanges& changes, bool finesse, std::string& buffer);
void damage(std::string& field, std::string_view attacks, const RollChanges& changes,
            std::string& buffer);
// Pathfinder's "+6; CMB +12 (+16 grapple); CMD 21", 3.5's "+2/-2".
void baseAttack(std::string& field, const RollChanges& changes, bool pathfinder,
                std::string& buffer);
void skills(std::string& field, const RollChanges& changes, bool pathfinder, std::string& buffer);
// Every "DC n".
void difficultyClasses(std::string& field, int change, std::string& buffer);
void armorClass(std::string& field, std::string& buffer);
// The hit dice "6d10+24 (57 hp)" and the points they give (`points`, in and out: the points
// read from elsewhere when the text has none, or -1).
void hitDice(std::string& field, int hitDiceRead, int perDie, int& points, std::string& buffer);
// A rating's text moved by whole steps along 1/8, 1/6, 1/4, 1/3, 1/2, 1, 2, ...
void rating(std::string& field, int cr, int steps);

}  // namespace quick

}  // namespace veldarin
