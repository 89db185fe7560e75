#include <gtest/gtest.h>

#include <string>

#include "monster/monster.h"

namespace veldarin {
namespace {

const std::string HEAD = "Goblin\nSmall humanoid, neutral evil\nArmor Class 15\n";

// The lines as the first of two blocks (HEAD and the lines under test); the second gives the
// hit points and "STR" lines that mark the file as fifth-edition blocks.
Monster firstBlock(const std::string& lines) {
  MonsterGroup group;
  EXPECT_TRUE(group.loadFromText(lines + "\nOther\nTiny beast\nAC 1\nHP 1\nSTR\n")) << lines;
  EXPECT_EQ(group.count(), 2) << lines;
  return group.count() > 0 ? group.monsters[0] : Monster();
}

TEST(FifthEditionBlockTest, LinesAndTheirFields) {
  const std::string abilities =
      "STR DEX CON INT WIS CHA\n21 (+5) 9 (\xE2\x88\x92"
      "1) 15 (+2) 18 (+4) 15 (+2) 18 (+4)\n";
  const struct {
    std::string lines;
    FieldId field;
    const char* text;
  } cases[] = {
      {"Dretch\nSmall Fiend (Demon, Category 1),\nTypically Chaotic Evil\nAC 11", FIELD_TYPE,
       "Small Fiend (Demon, Category 1)"},
      {"Dretch\nSmall Fiend (Demon, Category 1),\nTypically Chaotic Evil\nAC 11", FIELD_ALIGNMENT,
       "CE"},
      {"Lich\nMedium undead, any evil alignment\nArmor Class: 17", FIELD_ALIGNMENT,
       "any evil alignment"},
      {"Captain\nsmall Humanoid\nA generator's tagline\nArmor Class 17", FIELD_TYPE,
       "small Humanoid"},
      {"Captain\nsmall Humanoid\nA generator's tagline\nArmor Class 17", FIELD_FACE_REACH,
       "5 ft. by 5 ft./5 ft."},
      {"Lich\nMedium undead\nArmor Class: 17 (natural armor)", FIELD_AC, "17 (natural armor)"},
      {"Assassin\nMedium Humanoid, Neutral\nAC 16 Initiative +10 (20)", FIELD_AC, "16"},
      {"Assassin\nMedium Humanoid, Neutral\nAC 16 Initiative +10 (20)", FIELD_INITIATIVE,
       "+10 (20)"},
      {HEAD + "Hit Points 135 (18d10 + 36)", FIELD_HIT_DICE, "18d10+36 (135 hp)"},
      {HEAD + "Hit Points 135 (18d10 + 36)", FIELD_HIT_POINTS, "135 ___"},
      {HEAD + "HP 150 (20d10 \xE2\x88\x92\n 4)", FIELD_HIT_DICE,
       "20d10\xE2\x88\x92"
       "4 (150 hp)"},
      {HEAD + "Hit Points 32", FIELD_HIT_DICE, "(32 hp)"},
      {HEAD + "HP7 (3d6 - 3)", FIELD_HIT_DICE, "3d6-3 (7 hp)"},
      {"Guard\nMedium humanoid, lawful evil\nRole: x\nChallenge: 1 (200 XP)\nEncountered: y\n"
       "Armor Class: 16",
       FIELD_CHALLENGE_RATING, "1"},
      {HEAD +
           "Actions:\nMultiattack: Two slams\nSlam: +7 to hit, 10 ft reach, 3d10+6 bludgeoning + "
           "2d8 necrotic\nBow: +3 to hit, 80/320 ft, 1d6+1 piercing (1d8+1 two-handed)",
       FIELD_ABBR_ATTACKS,
       "slam +7 (3d10+6 bludgeoning plus 2d8 necrotic), bow +3 (1d6+1 piercing)"},
      {HEAD + "Actions:\nMultiattack: Two slams\nSlam: +7 to hit, 10 ft reach, 3d10 + 1",
       FIELD_FACE_REACH, "5 ft. by 5 ft./10 ft."},
      {"Beetle\nBeetle is a Large Monstrosity, Unaligned, for the fen.\nAC 19", FIELD_TYPE,
       "Large Monstrosity"},
      {"Beetle\nBeetle is a Large Monstrosity, Unaligned, for the fen.\nAC 19", FIELD_ALIGNMENT,
       "Unaligned"},
      {HEAD + "\tStr.\tDex.\tCon.\tInt.\tWis.\tCha.\nScore\t8\t14\t10\t10\t8\t8\n"
              "Modifier\t-1\t+2\t+0\t+0\t-1\t-1",
       FIELD_ABILITIES, "Str 8, Dex 14, Con 10, Int 10, Wis 8, Cha 8"},
      {HEAD + "Initiative: +2 (12)\nSpeed 30 ft.,\nfly 60 ft.", FIELD_SPEED, "30 ft., fly 60 ft."},
      {HEAD + abilities, FIELD_INITIATIVE, "-1"},
      {HEAD + abilities, FIELD_ABILITIES, "Str 21, Dex 9, Con 15, Int 18, Wis 15, Cha 18"},
      {HEAD + abilities, FIELD_SAVES, "Str +5, Dex -1, Con +2, Int +4, Wis +2, Cha +4"},
      {HEAD + abilities + "Saving Throws Con +6, INT +8, Wisdom +6", FIELD_SAVES,
       "Str +5, Dex -1, Con +6, Int +8, Wis +6, Cha +4"},
      {HEAD + "MOD SAVE MOD SAVE\nStr 21\n+5\n+5\nDex 9\n\xE2\x88\x92"
              "1\n\xE2\x88\x92"
              "1\nCon 15\n+2\n+6\nInt 18\n+4\n+8\nWis 15\n+2\n+6\nCha 18\n+4\n+4",
       FIELD_SAVES,
       "Str +5, Dex \xE2\x88\x92"
       "1, Con +6, Int +8, Wis +6, Cha +4"},
      {HEAD + "Damage Vulnerabilities. fire\nResistances cold\nCondition Immunities\npoisoned\n"
              "Senses darkvision 60 ft.; passive Perception 9, tremorsense 5 ft.\nLanguages Common",
       FIELD_SPECIAL_QUALITIES,
       "vulnerable fire, resist cold, immune poisoned, darkvision 60 ft., tremorsense 5 ft."},
      {HEAD + "Challenge 1/4 (50 XP)\nCR 3 Support", FIELD_CHALLENGE_RATING, "1/4"},
      {HEAD + "Proficiency Bonus +2\nNimble Escape. It hides.\nCR 3 Support",
       FIELD_CHALLENGE_RATING, "3"},
      {HEAD + "Senses Passive Perception 16 Languages Common CR 8 (XP 3,900; PB +3)\nClimb Walls",
       FIELD_CHALLENGE_RATING, "8"},
      {HEAD + "Senses tremorsense 5 ft. Languages Common CR 8 (XP 3,900; PB +3)\nClimb Walls",
       FIELD_SPECIAL_QUALITIES, "tremorsense 5 ft."},
      {HEAD + "CR 1\nKeen Hearing and Smell. The wolf\nhas Advantage.\nLegendary Resistance "
              "(3/Day). It succeeds.\nSpellcasting. It casts.\nsome words\nACTIONS\n"
              "Fire Breath (Recharge 5\xE2\x80\x93"
              "6). It exhales fire.\nReactions:\n+1 Parry. It parries.\nLegendary Actions\n"
              "Lash. It lashes.",
       FIELD_SPECIAL_QUALITIES, "keen hearing and smell, legendary resistance (3/day), +1 parry"},
      {HEAD + "CR 1\nKeen Hearing and Smell. The wolf\nhas Advantage.\nLegendary Resistance "
              "(3/Day). It succeeds.\nSpellcasting. It casts.\nsome words\nACTIONS\n"
              "Fire Breath (Recharge 5\xE2\x80\x93"
              "6). It exhales fire.\nReactions:\n+1 Parry. It parries.\nLegendary Actions\n"
              "Lash. It lashes.",
       FIELD_SPECIAL_ATTACKS,
       "spellcasting, fire breath (recharge 5\xE2\x80\x93"
       "6), legendary actions"},
      {HEAD + "CR 1\nTraits\nnot a name. It is lost.\nthe dice the. No name.\n"
              "Bite. Melee Weapon Attack: +4 to hit, reach 5 ft., one target. Hit: 5 (1d6 + 2) "
              "slashing damage.",
       FIELD_SPECIAL_QUALITIES, "bite"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(firstBlock(c.lines).field(c.field), c.text) << c.lines;
  }
}

TEST(FifthEditionBlockTest, Attacks) {
  const struct {
    const char* action;
    const char* attacks;
    const char* damage;
    const char* condensed;
  } cases[] = {
      {"Scimitar. Melee Weapon Attack: +4 to hit, reach 5 ft., one target. Hit: 5 (1d6 + 2) "
       "slashing damage.",
       "Scimitar +4 melee", "Scimitar 1d6+2 slashing", "scimitar +4 (1d6+2 slashing)"},
      {"Bite. Melee Weapon Attack: +5 to hit, reach 5 ft. Hit: 12 (2d8 + 3) piercing dam- age "
       "plus 7 (2d6) poison damage.",
       "Bite +5 melee", "Bite 2d8+3 piercing plus 2d6 poison",
       "bite +5 (2d8+3 piercing plus 2d6 poison)"},
      {"Javelin. Melee or Ranged Weapon Attack: +4 to hit, reach 5 ft. or range 30/120 ft. Hit: 9 "
       "(2d6 +\n2) piercing damage in melee or 5 (1d6 + 2) piercing damage at range.",
       "Javelin +4 melee or ranged", "Javelin 2d6+2 piercing", "javelin +4 (2d6+2 piercing)"},
      {"Scimitar. Melee Attack Roll: +4, reach 5 ft. 5 (1d6 + 2) Slashing damage, plus 2 (1d4) "
       "Slashing damage if it had Advantage.",
       "Scimitar +4 melee", "Scimitar 1d6+2 Slashing plus 1d4 Slashing",
       "scimitar +4 (1d6+2 slashing plus 1d4 slashing)"},
      {"Burning Touch. Melee Spell Attack. +7 to hit, 10 ft., one target, 19 (4d6+5) fire.",
       "Burning Touch +7 melee", "Burning Touch 4d6+5 fire", "burning touch +7 (4d6+5 fire)"},
      {"Touch. Melee Attack Roll: +2, reach 5 ft. Hit: 1 Slashing damage or DC 10 necrotic "
       "damage.",
       "Touch +2 melee", "Touch 1 Slashing", "touch +2 (1 slashing)"},
      {"Net. Ranged Weapon Attack: +2 to hit, range 5/15 ft., one target. Hit: The target is "
       "restrained.",
       "Net +2 ranged", "Net -", "net +2 (-)"},
      {"Fire Bolt (Cantrip; V, S). Ranged Spell Attack: +5 to hit. Hit: 5 (1d10) Fire damage.",
       "Fire Bolt (Cantrip; V, S) +5 ranged", "Fire Bolt (Cantrip; V, S) 1d10 Fire",
       "fire bolt (cantrip; v, s) +5 (1d10 fire)"},
      {"Gaze. Melee Attack: the target looks. Hit: 7 (2d6).", "Gaze the melee", "Gaze 2d6",
       "gaze the (2d6)"},
      {"Rend. Melee: it rends. Melee Weapon Attack: +4 to hit.", "-", "-", "-"},
  };
  for (const auto& c : cases) {
    const Monster monster = firstBlock(HEAD + "CR 1\nActions\n" + c.action);
    EXPECT_EQ(monster.field(FIELD_ATTACKS), c.attacks) << c.action;
    EXPECT_EQ(monster.field(FIELD_DAMAGE), c.damage) << c.action;
    EXPECT_EQ(monster.field(FIELD_ABBR_ATTACKS), c.condensed) << c.action;
  }
}

TEST(FifthEditionBlockTest, Numbers) {
  const struct {
    std::string lines;
    int initiative, fort, ref, will, listen, hitDice, cr;
    const char* faceReach;
  } cases[] = {
      {"Troll\nLarge giant\nArmor Class 15\nHit Points 84 (8d10 + 40)\nSTR 18 (+4) DEX 13 (+1) "
       "CON 20 (+5) INT 7 (-2) WIS 9 (-1) CHA 7 (-2)\nSkills Perception +2\nChallenge 5\nActions\n"
       "Bite. Melee Weapon Attack: +7 to hit, reach 10 ft., one target. Hit: 7 (1d6 + 4).",
       1, 5, 1, -1, 2, 8, 5, "10 ft. by 10 ft./10 ft."},
      {"Worm\nGargantuan monstrosity\nAC 18\nInitiative -1\nSaving Throws Con +11, Wis +4\n"
       "CR 1/2\nActions\nTail. Melee Weapon Attack: +19 to hit, 20 ft., one target, 19 (3d6+9).",
       -1, 11, 0, 4, 0, 0, -1, "20 ft. by 20 ft./20 ft."},
      {"Sprite\nTiny fey\nAC 15\nSTR 3 (-4)\nDEX 18 (+4)\nCON 10\nINT 14\nWIS 13\nCHA 11\n"
       "Challenge 1/4",
       4, 0, 4, 1, 1, 0, -3, "2 1/2 ft. by 2 1/2 ft./5 ft."},
  };
  for (const auto& c : cases) {
    const Monster monster = firstBlock(c.lines);
    EXPECT_EQ(monster.initiative, c.initiative) << c.lines;
    EXPECT_EQ(monster.fortSave, c.fort) << c.lines;
    EXPECT_EQ(monster.refSave, c.ref) << c.lines;
    EXPECT_EQ(monster.willSave, c.will) << c.lines;
    EXPECT_EQ(monster.listen, c.listen) << c.lines;
    EXPECT_EQ(monster.spot, c.listen) << c.lines;
    EXPECT_EQ(monster.hitDice, c.hitDice) << c.lines;
    EXPECT_EQ(monster.cr, c.cr) << c.lines;
    EXPECT_EQ(monster.field(FIELD_FACE_REACH), c.faceReach) << c.lines;
  }
}

TEST(FifthEditionBlockTest, TypeLinesStartMonstersAndNameThem) {
  MonsterGroup group;
  ASSERT_TRUE(group.loadFromText(
      "Seen in the Monster Manual\nA\nTiny beast\nAC 1\nHP 1\nSTR\nBite. It bites.\nB\n\n"
      "Huge giant\tpasted\t\nAC 1\nActions\nStomp. It stomps.\nHuge giant\nAC 1\nSTR\n"));
  ASSERT_EQ(group.count(), 3);
  const char* const expected[][3] = {
      {"A", "Tiny beast", "bite"}, {"B", "Huge giant pasted", ""}, {"", "Huge giant", ""}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(group.monsters[i].field(FIELD_NAME), expected[i][0]);
    EXPECT_EQ(group.monsters[i].field(FIELD_TYPE), expected[i][1]);
    EXPECT_EQ(group.monsters[i].field(FIELD_SPECIAL_QUALITIES), expected[i][2]);
  }
  EXPECT_EQ(group.monsters[1].field(FIELD_SPECIAL_ATTACKS), "stomp");
}

TEST(FifthEditionBlockTest, FilesThatAreNotBlocks) {
  const struct {
    const char* text;
    bool loads;
    const char* console;
  } cases[] = {
      {"AC 1\nHP 1\nSTR\n", false, "loadFromFile(): found no data.\n"},
      {"A\nTiny beast\nAC 1\nHP 1\nSTR 3\nBoar CR 2\nhp 1\n", true, ""},  // a Pathfinder block
      {"Name: A\nTiny beast\nAC: 1\nHP: 1\nStrength: 3\n", true, ""},
  };
  for (const auto& c : cases) {
    MonsterGroup group;
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(group.loadFromText(c.text), c.loads) << c.text;
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), c.console) << c.text;
    EXPECT_TRUE(group.monsters.empty() || !group.monsters[0].fifthEditionBlock) << c.text;
  }
}

TEST(FifthEditionBlockTest, TemplatesAreRefused) {
  MonsterGroup group;
  ASSERT_TRUE(group.loadFromText("A\nTiny beast\nAC 1\nHP 1\nSTR\n"));
  ::testing::internal::CaptureStdout();
  EXPECT_TRUE(group.applyTemplates(0));
  EXPECT_FALSE(group.applyTemplates(1U << 2));
  EXPECT_EQ(::testing::internal::GetCapturedStdout(),
            "applyTemplate(): templates need 3rd-edition or Pathfinder monsters.\n");
  EXPECT_EQ(group.monsters[0].field(FIELD_NAME), "A");
}

}  // namespace
}  // namespace veldarin
