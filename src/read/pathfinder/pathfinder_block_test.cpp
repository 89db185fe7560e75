#include <gtest/gtest.h>

#include <string>

#include "monster/monster.h"

namespace veldarin {
namespace {

// The lines as the first of two blocks; the second gives the "AC " and "hp " lines that mark
// the file as blocks, so the first holds nothing but the lines under test.
Monster firstBlock(const std::string& lines) {
  MonsterGroup group;
  EXPECT_TRUE(group.loadFromText("Boar CR 2\n" + lines + "\nOther CR 1\nAC 1\nhp 1 (1d8)\n"));
  EXPECT_EQ(group.count(), 2) << lines;
  return group.monsters[0];
}

TEST(PathfinderBlockTest, LinesAndTheirFields) {
  const struct {
    const char* lines;
    FieldId field;
    const char* text;
  } cases[] = {
      {"XP 600\nAasimar cleric 1\nN Medium\nhumanoid", FIELD_TYPE, "Medium humanoid"},
      {"XP 600\nAasimar cleric 1\nN Medium\nhumanoid", FIELD_ALIGNMENT, "N"},
      {"Init +1\nN and more", FIELD_INITIATIVE, "+1 N and more"},
      {"Init +8; Senses darkvision 60 ft., detect snares\nand pits; Perception +27",
       FIELD_SPECIAL_QUALITIES, "darkvision 60 ft., detect snares and pits"},
      {"hp 229 (17d10+136); regeneration 10 (evil\nweapons)", FIELD_HIT_DICE, "17d10+136 (229 hp)"},
      {"hp 229 (17d10+136); regeneration 10 (evil\nweapons)", FIELD_SPECIAL_QUALITIES,
       "regeneration 10 (evil weapons)"},
      {"hp 5", FIELD_HIT_DICE, "(5 hp)"},
      {"Defensive Abilities ferocity; DR 5/magic; Immune fire\nSR 16", FIELD_SPECIAL_QUALITIES,
       "ferocity, DR 5/magic, Immune fire, SR 16"},
      {"Aura fear (30 ft.)\nWeaknesses light blindness\nSQ amphibious", FIELD_SPECIAL_QUALITIES,
       "fear (30 ft.), light blindness, amphibious"},
      {"Space 10 ft.; Reach 5 ft. (10 ft. with bite)", FIELD_FACE_REACH,
       "10 ft. by 10 ft./5 ft. (10 ft. with bite)"},
      {"Space 10 ft., Reach 5 ft.", FIELD_FACE_REACH, "10 ft. by 10 ft./5 ft."},
      {"Space 2-1/2 ft. Reach 0 ft.", FIELD_FACE_REACH, "2-1/2 ft. by 2-1/2 ft./0 ft."},
      {"Space 15 ft.", FIELD_FACE_REACH, "15 ft. by 15 ft."},
      {"Special Attack web\nSpecial Attacks rend", FIELD_SPECIAL_ATTACKS, "web, rend"},
      {"Spell-Like Abilities (CL 5th)\nAt will-darkness\nCleric Spells Prepared\n1st-bless",
       FIELD_SPECIAL_ATTACKS, "spell-like abilities, cleric spells prepared"},
      {"Spells Known (CL 3rd)\nSpeed 30 ft.", FIELD_SPEED, "30 ft."},
      {"Skills Climb +11;\nRacial Modifiers uses Dex", FIELD_SKILLS,
       "Climb +11; Racial Modifiers uses Dex"},
      {"Skills Stealth +7; Racial\nModifiers +4 Stealth", FIELD_SKILLS,
       "Stealth +7; Racial Modifiers +4 Stealth"},
      {"Skills Stealth +7\nRacial Modifiers +4 Stealth", FIELD_SKILLS,
       "Stealth +7; Racial Modifiers +4 Stealth"},
      {"Treasure standard (bone, a\nsword)\nIt hunts at night.", FIELD_TREASURE,
       "standard (bone, a sword)"},
      {"Treasure none\nIt hunts (alone).", FIELD_TREASURE, "none"},
      {"Speed 30 ft.  \n\nfly 60 ft.\nOffense\nwrapped", FIELD_SPEED, "30 ft. fly 60 ft."},
      {"Speed 30 ft.\nspecial abilities\nSpeed 40 ft.", FIELD_SPEED, "30 ft."},
      {"Languages Common\nSpeed 20 ft.", FIELD_SPEED, "20 ft."},
      {"Fort +6, Ref –4, Will +1", FIELD_SAVES, "Fort +6, Ref –4, Will +1"},
      {"Base Atk +1; CMB +4; CMD 14", FIELD_BASE_ATTACK, "+1; CMB +4; CMD 14"},
      {"Environment any\nOrganization pack", FIELD_CLIMATE_TERRAIN, "any"},
      {"Treasure \xE2\x80\x94", FIELD_TREASURE, "-"},
      {"Str \xE2\x80\x94", FIELD_ABILITIES, "Str \xE2\x80\x94"},
      {"Melee bite +5 (1d6+2), 2 claws +4 (1d4+1)\nRanged longbow +3 (1d8/x3)", FIELD_ATTACKS,
       "bite +5 melee, 2 claws +4 melee; or longbow +3 ranged"},
      {"Melee bite +5 (1d6+2), 2 claws +4 (1d4+1)\nRanged longbow +3 (1d8/x3)", FIELD_DAMAGE,
       "bite 1d6+2, claws 1d4+1; or longbow 1d8/x3"},
      {"Melee bite +5 (1d6+2), 2 claws +4 (1d4+1)\nRanged longbow +3 (1d8/x3)", FIELD_ABBR_ATTACKS,
       "bite +5 (1d6+2), 2 claws +4 (1d4+1), longbow +3 (1d8/x3)"},
      {"Melee gore +4 melee (1d8+4)", FIELD_ATTACKS, "gore +4 melee"},
      {"Melee swarm (3d6)", FIELD_ABBR_ATTACKS, "swarm (3d6)"},
      {"Ranged javelin +3 (1d6)", FIELD_ATTACKS, "javelin +3 ranged"},
      {"Melee touch of madness +19 touch (10d6)", FIELD_ATTACKS,
       "touch of madness +19 melee touch"},
      {"Melee touch of madness +19 touch (10d6)", FIELD_DAMAGE, "touch of madness 10d6"},
      {"Ranged spark +12 touch (2d6 electricity)", FIELD_ABBR_ATTACKS,
       "spark +12 (2d6 electricity)"},
      {"Init +2; Senses Perception +5", FIELD_SPECIAL_QUALITIES, ""},
      {"Init +4; Senses darkvision 60 ft., Perception +17", FIELD_SPECIAL_QUALITIES,
       "darkvision 60 ft."},
      {"Psychic Magic (CL 16th)\n11 PE-aversion\nAlchemist Extracts Prepared(CL 12th)\n4th-haste",
       FIELD_SPECIAL_ATTACKS, "psychic magic, alchemist extracts prepared"},
      {"Feats Dodge, Quicken\nSpell-Like Ability (glitterdust)", FIELD_FEATS,
       "Dodge, Quicken Spell-Like Ability (glitterdust)"},
      {"Feats Iron\nWill, Quicken Spell-Like Ability (fly)", FIELD_FEATS,
       "Iron Will, Quicken Spell-Like Ability (fly)"},
      {"Spd 20 ft., swim 20 ft.", FIELD_SPEED, "20 ft., swim 20 ft."},
      {"Weakness light\nsensitivity\nSpecial Qualities crafty", FIELD_SPECIAL_QUALITIES,
       "light sensitivity, crafty"},
      {"Organization solitary\nAdvancement 35+ HD\nLevel Adjustment +2", FIELD_ADVANCEMENT,
       "35+ HD"},
      {"Always CE Huge aberration", FIELD_ALIGNMENT, "Always CE"},
      {"Usually NE Medium\nfey", FIELD_TYPE, "Medium fey"},
      {"hp 127 each (15d8+60)", FIELD_HIT_DICE, "15d8+60 (127 hp each)"},
      {"hp 127 each (15d8+60)", FIELD_HIT_POINTS, "127 ___"},
      {"hp 229 (17d10+136); regeneration 10", FIELD_HIT_POINTS, "229 ___"},
      {"hp 5", FIELD_HIT_POINTS, "5 ___"},
      {"Treasure none\nSpecial Qualities powerful charge.", FIELD_SPECIAL_QUALITIES, ""},
      {"Treasure none\nAdvancement 13-24 HD (Huge)\nIt lurks.", FIELD_ADVANCEMENT,
       "13-24 HD (Huge)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(firstBlock(c.lines).field(c.field), c.text) << c.lines;
  }
}

TEST(PathfinderBlockTest, PerceptionIsListenAndSpot) {
  const struct {
    const char* lines;
    int initiative, listen, spot;
  } cases[] = {
      {"Init +2; Perception +6\nStr 10, Wis 13", 2, 6, 6},
      {"Init \xE2\x80\x93"
       "5; Senses blindsight; Perception \xE2\x88\x92"
       "5",
       -5, -5, -5},
      {"Init +0\nStr 10, Wis 13", 0, 1, 1},
      {"Init +2; Senses Perception +5", 2, 5, 5},
      {"Init +3; Senses blindsight 120 ft.; Listen +3, Spot +4", 3, 3, 4},
  };
  for (const auto& c : cases) {
    const Monster monster = firstBlock(c.lines);
    EXPECT_EQ(monster.initiative, c.initiative) << c.lines;
    EXPECT_EQ(monster.listen, c.listen) << c.lines;
    EXPECT_EQ(monster.spot, c.spot) << c.lines;
  }
}

TEST(PathfinderBlockTest, TitlesStartMonsters) {
  MonsterGroup group;
  std::string text = "Seen in the Bestiary\nAC 9\n";
  for (int i = 1; i <= 9; ++i) text += "Beast " + std::to_string(i) + "   CR 1/3  \nhp 1\n";
  ::testing::internal::CaptureStdout();
  ASSERT_TRUE(group.loadFromText(text));
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(group.count(), 9);
  EXPECT_EQ(group.monsters[8].field(FIELD_NAME), "Beast 9");
  EXPECT_EQ(group.monsters[0].field(FIELD_AC), "");
  EXPECT_EQ(group.monsters[0].cr, -2);
}

TEST(PathfinderBlockTest, TitleLines) {
  MonsterGroup group;
  ASSERT_TRUE(
      group.loadFromText("Aboleth, Mythic CR 9/MR 3\nRat CR 1/3/MR 1\nOoze CR -\nSlime CR "
                         "\xE2\x80\x94\nAC 1\nhp 1\n"));
  const char* const expected[][3] = {{"Aboleth, Mythic", "9", "MR 3"},
                                     {"Rat", "1/3", "MR 1"},
                                     {"Ooze", "-", ""},
                                     {"Slime", "-", ""}};
  ASSERT_EQ(group.count(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(group.monsters[i].field(FIELD_NAME), expected[i][0]);
    EXPECT_EQ(group.monsters[i].field(FIELD_CHALLENGE_RATING), expected[i][1]);
    EXPECT_EQ(group.monsters[i].field(FIELD_SPECIAL_QUALITIES), expected[i][2]);
  }
}

TEST(PathfinderBlockTest, OtherFilesKeepTheirLayout) {
  const struct {
    const char* text;
    const char* name;
  } cases[] = {
      {"Boar CR 2\nAC 14\nHit Dice: 2d8\n", "Boar CR 2"},
      {"Boar CR 2\nhp 18\nAC: 14\n", "Boar CR 2"},
      {"Boar CR 2x\nAC 14\nhp 18\n", "Boar CR 2x"},
      {"Boar CR 9/MR\nAC 14\nhp 18\n", "Boar CR 9/MR"},
      {"Boar CR /MR 3\nAC 14\nhp 18\n", "Boar CR /MR 3"},
      {"Group\n\tBoar CR 2\nAC 14\nhp 18\n", "Group, Boar CR 2"},
  };
  for (const auto& c : cases) {
    MonsterGroup group;
    ASSERT_TRUE(group.loadFromText(c.text)) << c.text;
    EXPECT_EQ(group.monsters[0].field(FIELD_NAME), c.name) << c.text;
    EXPECT_FALSE(group.monsters[0].pathfinder.block) << c.text;
  }
}

}  // namespace
}  // namespace veldarin
