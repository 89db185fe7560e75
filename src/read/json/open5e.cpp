#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "read/json/json_text.h"
#include "read/json/layouts.h"
#include "read/to_int.h"

namespace veldarin {

namespace {

using Index = JsonValues::Index;

constexpr std::string_view ABILITIES[] = {"strength",     "dexterity", "constitution",
                                          "intelligence", "wisdom",    "charisma"};

constexpr std::string_view SKILLS[] = {
    "acrobatics",  "animal_handling", "arcana",        "athletics",       "deception", "history",
    "insight",     "intimidation",    "investigation", "medicine",        "nature",    "perception",
    "performance", "persuasion",      "religion",      "sleight_of_hand", "stealth",   "survival"};

std::string sensesText(const JsonValues& values, Index fields) {
  std::string text;
  for (const std::string_view sense : {"blindsight", "darkvision", "tremorsense", "truesight"}) {
    const std::string range = memberText(values, fields, std::string(sense) + "_range");
    if (range.empty()) continue;
    if (!text.empty()) text += ", ";
    text += std::string(sense) + " " + range + " ft.";
  }
  const std::string passive = memberText(values, fields, "passive_perception");
  if (!passive.empty()) text += (text.empty() ? "" : ", ") + ("passive Perception " + passive);
  return text;
}

StatKey sectionOf(std::string_view type) {
  if (type == "BONUS_ACTION") return StatKey::BONUS_ACTIONS;
  if (type == "REACTION") return StatKey::REACTIONS;
  if (type == "LEGENDARY_ACTION") return StatKey::LEGENDARY_ACTIONS;
  if (type == "LAIR_ACTION") return StatKey::LAIR_ACTIONS;
  if (type == "MYTHIC_ACTION") return StatKey::MYTHIC_ACTIONS;
  return StatKey::ACTIONS;
}

// An action's name with its limits: "(3/Day)", "(Recharge 5–6)", "(Costs 2 Actions)".
std::string actionName(const JsonValues& values, Index fields) {
  std::string name = memberText(values, fields, "name");
  const std::string uses = memberText(values, fields, "uses_type");
  const std::string param = memberText(values, fields, "uses_param");
  if (uses == "PER_DAY") name += " (" + param + "/Day)";
  if (uses == "RECHARGE_ON_ROLL") name += " " + rechargeText(param);
  if (uses == "RECHARGE_AFTER_REST") name += " (Recharges after a Short or Long Rest)";
  const std::string cost = memberText(values, fields, "legendary_action_cost");
  if (!cost.empty() && cost != "1" && cost != "0") name += " (Costs " + cost + " Actions)";
  return name;
}

}  // namespace

Statblock open5eBlock(const JsonValues& values, Index creature, std::span<const Index> parts) {
  const Index fields = values.member(creature, "fields");
  Statblock block;
  setText(block, StatKey::NAME, memberText(values, fields, "name"));
  setText(block, StatKey::SIZE, capitalized(memberText(values, fields, "size")));
  setText(block, StatKey::TYPE, memberText(values, fields, "type"));
  setText(block, StatKey::SUBTYPE, memberText(values, fields, "subcategory"));
  setText(block, StatKey::ALIGNMENT, memberText(values, fields, "alignment"));
  setText(block, StatKey::AC, memberText(values, fields, "armor_class"));
  setText(block, StatKey::AC_CLASS, memberText(values, fields, "armor_detail"));
  setText(block, StatKey::HP, memberText(values, fields, "hit_points"));
  setText(block, StatKey::HIT_DICE, memberText(values, fields, "hit_dice"));
  setText(block, StatKey::SPEED,
          speedText([&](std::string_view mode) { return memberText(values, fields, mode); },
                    memberText(values, fields, "hover") == "true"));
  std::vector<std::string> scores;
  for (const std::string_view ability : ABILITIES) {
    scores.push_back(memberText(values, fields, "ability_score_" + std::string(ability)));
  }
  setScores(block, StatKey::STATS, std::move(scores));
  for (const std::string_view ability : ABILITIES) {
    const std::string save = memberText(values, fields, "saving_throw_" + std::string(ability));
    if (!save.empty()) addItem(block, StatKey::SAVES, std::string(ability), withSign(save));
  }
  for (const std::string_view skill : SKILLS) {
    const std::string bonus = memberText(values, fields, "skill_bonus_" + std::string(skill));
    if (!bonus.empty()) addItem(block, StatKey::SKILLSAVES, titled(skill), withSign(bonus));
  }
  setText(block, StatKey::DAMAGE_VULNERABILITIES,
          memberText(values, fields, "damage_vulnerabilities_display"));
  setText(block, StatKey::DAMAGE_RESISTANCES,
          memberText(values, fields, "damage_resistances_display"));
  setText(block, StatKey::DAMAGE_IMMUNITIES,
          memberText(values, fields, "damage_immunities_display"));
  setText(block, StatKey::CONDITION_IMMUNITIES,
          memberText(values, fields, "condition_immunities_display"));
  setText(block, StatKey::SENSES, sensesText(values, fields));
  setText(block, StatKey::LANGUAGES, memberText(values, fields, "languages_desc"));
  setText(block, StatKey::CR, ratingText(memberText(values, fields, "challenge_rating")));
  std::vector<std::pair<int, Index>> actions;
  for (const Index part : parts) {
    const Index partFields = values.member(part, "fields");
    const std::string desc = descriptionText(values.text(values.member(partFields, "desc")));
    if (memberText(values, part, "model") == "api_v2.creaturetrait") {
      addItem(block, StatKey::TRAITS, memberText(values, partFields, "name"), desc);
    } else {
      actions.emplace_back(toInt(memberText(values, partFields, "order_in_statblock")), part);
    }
  }
  std::stable_sort(actions.begin(), actions.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [order, part] : actions) {
    const Index partFields = values.member(part, "fields");
    addItem(block, sectionOf(memberText(values, partFields, "action_type")),
            actionName(values, partFields),
            descriptionText(values.text(values.member(partFields, "desc"))));
  }
  return block;
}

}  // namespace veldarin
