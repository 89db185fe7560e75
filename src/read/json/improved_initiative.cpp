#include <string>
#include <string_view>
#include <vector>

#include "read/json/json_text.h"
#include "read/json/layouts.h"

namespace veldarin {

namespace {

using Index = JsonValues::Index;

// "17 (natural armor)" from {Value, Notes}.
std::string withNotes(const JsonValues& values, Index value) {
  std::string text = memberText(values, value, "Value");
  const std::string notes = memberText(values, value, "Notes");
  if (notes.empty()) return text;
  const std::string wrapped = notes.starts_with('(') ? notes : "(" + notes + ")";
  return text.empty() ? wrapped : text + " " + wrapped;
}

void readModifiers(const JsonValues& values, Index list, StatKey key, Statblock& block) {
  for (const Index item : values.children(list)) {
    addItem(block, key, memberText(values, item, "Name"),
            withSign(memberText(values, item, "Modifier")));
  }
}

void readSection(const JsonValues& values, Index list, StatKey key, Statblock& block) {
  for (const Index item : values.children(list)) {
    std::string name = memberText(values, item, "Name");
    const std::string usage = memberText(values, item, "Usage");
    if (!usage.empty()) name += " (" + usage + ")";
    addItem(block, key, name, descriptionText(values.text(values.member(item, "Content"))));
  }
}

}  // namespace

Statblock improvedInitiativeBlock(const JsonValues& values, Index creature) {
  Statblock block;
  setText(block, StatKey::NAME, memberText(values, creature, "Name"));
  // "Large aberration, lawful evil": the size, the type, the alignment.
  const std::string type = memberText(values, creature, "Type");
  const std::size_t space = type.find(' ');
  const std::size_t comma = type.rfind(", ");
  const std::size_t typeEnd = comma == std::string::npos ? type.size() : comma;
  if (space != std::string::npos && space < typeEnd) {
    setText(block, StatKey::SIZE, type.substr(0, space));
    setText(block, StatKey::TYPE, type.substr(space + 1, typeEnd - space - 1));
  } else {
    setText(block, StatKey::TYPE, type.substr(0, typeEnd));
  }
  if (comma != std::string::npos) setText(block, StatKey::ALIGNMENT, type.substr(comma + 2));
  setText(block, StatKey::AC, withNotes(values, values.member(creature, "AC")));
  setText(block, StatKey::HP, withNotes(values, values.member(creature, "HP")));
  setText(block, StatKey::SPEED, listText(values, values.member(creature, "Speed")));
  const Index abilities = values.member(creature, "Abilities");
  std::vector<std::string> scores;
  for (const std::string_view ability : {"Str", "Dex", "Con", "Int", "Wis", "Cha"}) {
    scores.push_back(memberText(values, abilities, ability));
  }
  setScores(block, StatKey::STATS, std::move(scores));
  readModifiers(values, values.member(creature, "Saves"), StatKey::SAVES, block);
  readModifiers(values, values.member(creature, "Skills"), StatKey::SKILLSAVES, block);
  setText(block, StatKey::DAMAGE_VULNERABILITIES,
          listText(values, values.member(creature, "DamageVulnerabilities")));
  setText(block, StatKey::DAMAGE_RESISTANCES,
          listText(values, values.member(creature, "DamageResistances")));
  setText(block, StatKey::DAMAGE_IMMUNITIES,
          listText(values, values.member(creature, "DamageImmunities")));
  setText(block, StatKey::CONDITION_IMMUNITIES,
          listText(values, values.member(creature, "ConditionImmunities")));
  setText(block, StatKey::SENSES, listText(values, values.member(creature, "Senses")));
  setText(block, StatKey::LANGUAGES, listText(values, values.member(creature, "Languages")));
  setText(block, StatKey::CR, ratingText(memberText(values, creature, "Challenge")));
  readSection(values, values.member(creature, "Traits"), StatKey::TRAITS, block);
  readSection(values, values.member(creature, "Actions"), StatKey::ACTIONS, block);
  readSection(values, values.member(creature, "Reactions"), StatKey::REACTIONS, block);
  readSection(values, values.member(creature, "LegendaryActions"), StatKey::LEGENDARY_ACTIONS,
              block);
  return block;
}

}  // namespace veldarin
