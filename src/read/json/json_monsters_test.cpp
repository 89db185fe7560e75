#include "read/json/json_monsters.h"

#include <gtest/gtest.h>

#include <string>

namespace veldarin {
namespace {

std::string linesOf(const std::string& json) {
  std::string lines;
  JsonProblem problem;
  EXPECT_TRUE(readJsonMonsters(
      std::string(json),
      [&](const std::string& block, bool pathfinder) {
        lines += (pathfinder ? "[pf]\n" : "") + block + "--\n";
      },
      problem))
      << json << problem.text;
  return lines;
}

const std::string STATS = R"j("str": 10, "dex": 14, "con": 12, "int": 3, "wis": 8, "cha": 5)j";

TEST(JsonMonstersTest, EachLayoutGivesItsBlockLines) {
  const struct {
    std::string json;
    const char* lines;
  } cases[] =
      {
          // 5etools: codes, objects and tags; a copy with replacements, and one with other edits.
          {R"j({"monster": [{"name": "Imp", "source": "X", "size": ["T", "S"], "type": {"type": "fiend", "tags": [{"tag": "devil", "prefix": "shapechanger"}]}, "alignment": ["L", "E"], "ac": [13, {"ac": 15, "condition": "with {@spell mage armor}"}], "hp": {"average": 10, "formula": "3d4 + 3"}, "speed": {"walk": 20, "fly": {"number": 40, "condition": "(hover)"}}, )j" +
               STATS +
               R"j(, "save": {"dex": "+4"}, "skill": {"sleight of hand": 5}, "immune": ["fire", {"immune": ["cold", "acid", "fire"], "note": "from magic", "cond": true}], "passive": 9, "cr": {"cr": "0.5"}, "action": [{"name": "Sting", "entries": ["{@atk mw} {@hit 5} to hit. {@h}5 ({@damage 1d4 + 3}) damage.", {"type": "list", "items": [{"type": "item", "name": "Wet", "entry": "It drips."}]}]}]},)j"
               R"j( {"name": "Elder Imp", "source": "x", "_copy": {"name": "imp", "source": "X", "_mod": {"*": [{"mode": "replaceTxt", "replace": "DRIPS", "with": "pours", "flags": "i"}]}}, "cr": 2},)j"
               R"j( {"name": "Odd Imp", "_copy": {"name": "Imp", "source": "X", "_mod": {"action": {"mode": "appendArr"}}}}]})j",
           "Imp\nTiny or Small fiend (shapechanger devil), lawful evil\nArmor Class 13, 15 with "
           "mage armor\n"
           "Hit Points 10 (3d4 + 3)\nSpeed 20 ft., fly 40 ft. (hover)\nSTR DEX CON INT WIS CHA\n"
           "10 14 12 3 8 5\nSaving Throws Dex +4\nSkills Sleight of Hand +5\n"
           "Damage Immunities fire; cold, acid, and fire from magic\nSenses passive Perception 9\n"
           "Challenge 1/2\nActions\nSting. Melee Weapon Attack: +5 to hit. Hit: 5 (1d4 + 3) "
           "damage.\n"
           "Wet. It drips.\n--\nElder Imp\nTiny or Small fiend (shapechanger devil), lawful evil\n"
           "Armor Class 13, 15 with mage armor\nHit Points 10 (3d4 + 3)\n"
           "Speed 20 ft., fly 40 ft. (hover)\nSTR DEX CON INT WIS CHA\n10 14 12 3 8 5\n"
           "Saving Throws Dex +4\nSkills Sleight of Hand +5\n"
           "Damage Immunities fire; cold, acid, and fire from magic\nSenses passive Perception 9\n"
           "Challenge 2\nActions\nSting. Melee Weapon Attack: +5 to hit. Hit: 5 (1d4 + 3) damage.\n"
           "Wet. It pours.\n--\n"},
          // SRD API, and Open5e's first layout with JSON texts.
          {R"j({"index": "x", "name": "Cat", "size": "Tiny", "type": "beast", "alignment": "unaligned", "armor_class": [{"type": "armor", "value": 12, "armor": [{"name": "Leather Armor"}]}], "hit_points": 2, "hit_points_roll": "1d4", "speed": {"walk": "40 ft.", "climb": "30 ft."}, "strength": 3, "proficiencies": [{"value": 2, "proficiency": {"name": "Saving Throw: DEX"}}, {"value": 4, "proficiency": {"name": "Skill: Stealth"}}], "condition_immunities": [{"name": "Poisoned"}], "senses": {"darkvision": "30 ft.", "passive_perception": 13}, "challenge_rating": 0.125, "actions": [{"name": "Bite", "desc": "One.\n\nTwo.", "usage": {"type": "per day", "times": 3}}]})j",
           "Cat\nTiny beast, unaligned\nArmor Class 12 (leather armor)\nHit Points 2 (1d4)\n"
           "Speed 40 ft., climb 30 ft.\nSTR DEX CON INT WIS CHA\n3 — — — — —\nSaving Throws Dex "
           "+2\n"
           "Skills Stealth +4\nCondition Immunities poisoned\n"
           "Senses darkvision 30 ft., passive Perception 13\nChallenge 1/8\nActions\n"
           "Bite (3/Day). One.\nTwo.\n--\n"},
          {R"j([{"model": "api.monster", "fields": {"name": "Ooze", "armor_class": 8, "armor_desc": "natural armor", "hit_points": 22, "strength": 12, "speed_json": "{\"walk\": 10}", "skills_json": "{\"animal_handling\": 5}", "actions_json": "[{\"name\": \"Slam\", \"desc\": \"*Hit*\"}]", "reactions_json": "null"}}])j",
           "Ooze\nArmor Class 8 (natural armor)\nHit Points 22\nSpeed 10 ft.\n"
           "STR DEX CON INT WIS CHA\n12 — — — — —\nSkills Animal Handling +5\nActions\nSlam. "
           "Hit\n--\n"},
          // Open5e's second layout: parts found by their parent, actions by their order.
          {R"j([{"model": "api_v2.creaturetrait", "fields": {"parent": "a_hag", "name": "Keen", "desc": "Sees."}}, {"model": "api_v2.creature", "pk": "a_hag", "fields": {"name": "Hag", "size": "medium", "type": "fey", "armor_class": 16, "hit_points": 40, "walk": 30, "fly": 10, "hover": true, "ability_score_wisdom": 14, "saving_throw_wisdom": 2, "skill_bonus_sleight_of_hand": 3, "darkvision_range": 60, "passive_perception": 12, "challenge_rating": "0.250"}}, {"model": "api_v2.creatureaction", "fields": {"parent": "a_hag", "name": "Zap", "desc": "Z<br>Y", "action_type": "ACTION", "order_in_statblock": 2, "uses_type": "RECHARGE_ON_ROLL", "uses_param": 5}}, {"model": "api_v2.creatureaction", "fields": {"parent": "a_hag", "name": "Hex", "desc": "H", "action_type": "LEGENDARY_ACTION", "order_in_statblock": 1, "legendary_action_cost": 2}}])j",
           "Hag\nMedium fey\nArmor Class 16\nHit Points 40\nSpeed 30 ft., fly 10 ft. (hover)\n"
           "STR DEX CON INT WIS CHA\n— — — — 14 —\nSaving Throws Wis +2\nSkills Sleight Of Hand "
           "+3\n"
           "Senses darkvision 60 ft., passive Perception 12\nChallenge 1/4\nKeen. Sees.\nActions\n"
           "Zap (Recharge 5\xE2\x80\x93"
           "6). Z\nY\nLegendary Actions\nHex (Costs 2 Actions). H\n--\n"},
          // Improved Initiative.
          {R"j([{"Name": "Ettin", "Type": "Large giant, chaotic evil", "HP": {"Value": 85, "Notes": "(10d10+30)"}, "AC": {"Value": 12, "Notes": "(natural armor)"}, "Speed": ["40 ft."], "Abilities": {"Str": 21}, "Saves": [{"Name": "Con", "Modifier": 5}], "Challenge": "4", "Actions": [{"Name": "Roar", "Content": "Loud.", "Usage": "1/Day"}]}])j",
           "Ettin\nLarge giant, chaotic evil\nArmor Class 12 (natural armor)\nHit Points 85 "
           "(10d10+30)\n"
           "Speed 40 ft.\nSTR DEX CON INT WIS CHA\n21 — — — — —\nSaving Throws Con +5\nChallenge "
           "4\n"
           "Actions\nRoar (1/Day). Loud.\n--\n"},
          // The statblock plugin's saved bestiary, link marks off.
          {R"j({"monsters": [["Rat", {"name": "<STATBLOCK-WIKI-LINK>Rat", "ac": 10, "stats": [2, 11, 9, 2, 10, 4], "cr": "0"}]]})j",
           "Rat\nArmor Class 10\nSTR DEX CON INT WIS CHA\n2 11 9 2 10 4\nChallenge 0\n--\n"},
          // PSRD: a Pathfinder block.
          {R"j({"type": "creature", "name": "Boar", "cr": "2", "alignment": "N", "size": "Medium", "creature_type": "Animal", "init": "+0", "senses": "scent; Perception +6", "ac": "14", "hp": "18 (2d8+9)", "fortitude": "+6", "reflex": "+3", "will": "+1", "defensive_abilities": "ferocity", "dr": "5/-", "strength": "17", "constitution": "-", "treasure": "none"})j",
           "[pf]\nBoar CR 2\nN Medium animal\nInit +0; Senses scent; Perception +6\nAC 14\n"
           "hp 18 (2d8+9)\nFort +6, Ref +3, Will +1\nDefensive Abilities ferocity; DR 5/-\n"
           "Str 17, Dex —, Con —, Int —, Wis —, Cha —\nTreasure none\n--\n"},
          // Not monsters: a character actor, an object of other keys.
          {R"j([{"type": "character", "system": {}, "items": []}, {"name": "Sword"}])j", ""},
      };
  for (const auto& [json, lines] : cases) EXPECT_EQ(linesOf(json), lines) << json;
}

// A copy whose replacements would write more than the file allows is left out, whole.
TEST(JsonMonstersTest, CopiesStayWithinTheirBudget) {
  const std::string lines = linesOf(
      R"j({"monster": [{"name": "A", "hp": {}, "ac": [1], "trait": [{"name": "T", "entries": [")j" +
      std::string(2000, 'a') +
      R"j("]}]}, {"name": "B", "_copy": {"name": "A", "_mod": {"*": {"mode": "replaceTxt", "replace": "a", "with": ")j" +
      std::string(1000, 'b') + R"j("}}}}]})j");
  EXPECT_EQ(lines.find("\nB\n"), std::string::npos);
  EXPECT_EQ(lines.substr(0, 2), "A\n");
}

TEST(JsonMonstersTest, FoundryNumbersAreWorkedOut) {
  EXPECT_EQ(
      linesOf(
          R"j({"name": "Guard", "type": "npc", "system": {"abilities": {"str": {"value": 13, "proficient": 1}, "dex": {"value": 12}}, "attributes": {"ac": {"calc": "default"}, "hp": {"max": 11, "formula": "2d8 + 2"}, "movement": {"walk": 30}, "senses": {"darkvision": 0}}, "details": {"cr": 0.125, "alignment": "Any", "type": {"value": "humanoid"}}, "traits": {"size": "med", "languages": {"value": ["common", "deep"]}}, "skills": {"prc": {"value": 1, "ability": "wis"}}},)j"
          R"j( "items": [{"type": "equipment", "name": "Chain Shirt", "system": {"equipped": true, "type": {"value": "medium"}, "armor": {"value": 13}}}, {"type": "equipment", "name": "Shield", "system": {"equipped": true, "type": {"value": "shield"}, "armor": {"value": 2}}},)j"
          R"j( {"type": "weapon", "name": "Spear", "system": {"description": {"value": "<p>[[/attack]]. [[/damage]].</p><p>Or &amp;Reference[prone apply=false] @UUID[x]{Fire}.</p>"}, "properties": ["fin"], "range": {}, "damage": {"base": {"number": 1, "denomination": 6, "types": ["piercing"]}}, "activities": {"a": {"type": "attack", "activation": {"type": "action"}, "attack": {"type": {"value": "melee"}}, "damage": {"parts": [{"number": 1, "denomination": 4, "types": ["fire"]}]}}}}},)j"
          R"j( {"type": "feat", "name": "Legendary Actions"}, {"type": "feat", "name": "Rally", "system": {"uses": {"max": "2", "recovery": [{"period": "day"}]}, "description": {"value": "<p>[[lookup @name lowercase]] shouts [[/r 1d4]]{loudly}.</p>"}}}]})j"),
      "Guard\nMedium humanoid, any\nArmor Class 16 (chain shirt, shield)\nHit Points 11 (2d8 + 2)\n"
      "Speed 30 ft.\nSTR DEX CON INT WIS CHA\n13 12 — — — —\nSaving Throws Str +3\n"
      "Skills Perception +2\nSenses passive Perception 12\nLanguages Common, Deep Speech\n"
      "Challenge 1/8\nRally (2/Day). guard shouts loudly.\nActions\n"
      "Spear. Melee Weapon Attack: +3 to hit, reach 5 ft., one target. Hit: 4 (1d6 + 1) piercing "
      "damage plus 2 (1d4) fire damage. Or prone Fire.\n--\n");
}

}  // namespace
}  // namespace veldarin
