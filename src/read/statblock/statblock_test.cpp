#include "read/statblock/statblock.h"

#include <gtest/gtest.h>

#include <string>

#include "read/statblock/statblock_lines.h"

namespace veldarin {
namespace {

std::string linesOf(const std::string& yaml) {
  Statblock block;
  StatblockProblem problem;
  EXPECT_TRUE(readStatblock(yaml, block, problem)) << yaml << problem.text;
  return isMonsterStatblock(block) ? statblockLines(block) : "not a monster";
}

const std::string FIFTH = "ac: 12\n";

TEST(StatblockTest, FifthEditionLines) {
  const struct {
    std::string yaml;
    const char* lines;
  } cases[] = {
      {"name: Goblin\nsize: Small\ntype: humanoid\nsubtype: goblinoid\nalignment: NE\nac: 15\n"
       "ac_class: leather\nhp: 7\nhit_dice: 2d6\nspeed: 30 ft.\nstats: [8, 14, 10, 10, 8, 8]\n"
       "cr: 1/4\n",
       "Goblin\nSmall humanoid (goblinoid), NE\nArmor Class 15 (leather)\nHit Points 7 (2d6)\n"
       "Speed 30 ft.\nSTR DEX CON INT WIS CHA\n8 14 10 10 8 8\nChallenge 1/4\n"},
      {"type: beast\nac_class: natural armor\nhit_dice: 1d4\nstats: [1, None, x, ~]\n",
       "beast\nArmor Class natural armor\nHit Points (1d4)\nSTR DEX CON INT WIS CHA\n1 — — — — "
       "—\n"},
      {FIFTH + "stats: 10 10 10\n", "Armor Class 12\n"},
      {FIFTH + "saves:\n  - dexterity: 5\n  - WIS: -1\nskillsaves: {stealth: 6, Perception: +4}\n",
       "Armor Class 12\nSaving Throws Dex +5, Wis -1\nSkills Stealth +6, Perception +4\n"},
      {FIFTH + "saves: Dex +5\nskillsaves: [{x: ~}, {Arcana: 2}, [y]]\n",
       "Armor Class 12\nSaving Throws Dex +5\nSkills Arcana +2\n"},
      {FIFTH + "senses: [darkvision 60 ft., ~, '*a*']\nlanguages: []\ntype: [[Humanoid]]\n",
       "Armor Class 12\nSenses darkvision 60 ft., a\n"},
      {"\"HP\": !!int \"16\"\nhp: 17\nname: &n Rat\nType: *n\nName: \"[Big](x) <br> _Rat_\"\n",
       "Big Rat\nHit Points 17\n"},
      {FIFTH + "traits:\n  - name: Keen\n    desc: |\n      Sees\n      far.\n  - [Dark, Hides.]\n"
               "  - name: Done.\n    desc: x\n  - {desc: Loose.}\n  - {name: Alone}\n  - [a]\n"
               "Bonus Actions:\n  1: {name: Dash, desc: Runs.}\n  0: {name: Hide}\n  1: [Leap, "
               "Jumps.]\n",
       "Armor Class 12\nKeen. Sees far.\nDark. Hides.\nDone. x\nLoose.\nAlone.\nBonus Actions\n"
       "Leap. Jumps.\nHide.\n"},
      {"name: x\nmonster: Goblin\n", "not a monster"},
      {"- ac: 1\n", "not a monster"},
  };
  for (const auto& c : cases) EXPECT_EQ(linesOf(c.yaml), c.lines) << c.yaml;
}

TEST(StatblockTest, PathfinderLines) {
  const struct {
    std::string yaml;
    const char* lines;
  } cases[] = {
      {"name: Skeleton\nMonster_CR: 1/3\nMonster_XP: 135\nalignment: NE\nsize: Medium\n"
       "type: undead\nINI: +6\nsenses: darkvision 60 ft.\nperception: +0\nAC: 16, touch 12\n"
       "HP: 4\nHD: 1d8\nsaves: Fort +0, Ref +2, Will +2\nDR: 5/bludgeoning\nSR: 11\n"
       "speed: 30 ft.\nmelee: claw +2 (1d4+2)\nreach: 5 ft.\npf1e_stats: [15, 14, None]\nBAB: 0\n"
       "CMB: 2\nCMD: 14\nfeats: Improved Initiative\necology:\n  - name: Organisation\n"
       "    desc: solitary\n    desc: gang\n  - [Treasure, none]\n",
       "Skeleton CR 1/3\nXP 135\nNE Medium undead\nInit +6; Senses darkvision 60 ft.; "
       "Perception +0\nAC 16, touch 12\nhp 4 (1d8)\nFort +0, Ref +2, Will +2\n"
       "DR 5/bludgeoning; SR 11\nSpeed 30 ft.\nMelee claw +2 (1d4+2)\nReach 5 ft.\n"
       "Str 15, Dex 14, Con —, Int —, Wis —, Cha —\nBase Atk +0; CMB +2; CMD 14\n"
       "Feats Improved Initiative\nOrganization gang\nTreasure none\n"},
      {"name: Imp\nMonster_CR: 2\ntype: outsider\nsubtype: (devil)\nsenses: x\nhp: 3\n"
       "saves: {Fort: 1}\n",
       "Imp CR 2\noutsider (devil)\nhp 3\n"},
      {"name: Imp\npf1e_stats: [1]\nsubtype: devil\nINI: +3\nperception: +5\n",
       "Imp\nInit +3; Perception +5\nStr 1, Dex —, Con —, Int —, Wis —, Cha —\n"},
      {"name: Imp\nMonster_CR: 2\nINI: +3\nhp: 3\n", "Imp CR 2\nInit +3\nhp 3\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(linesOf(c.yaml), c.lines) << c.yaml;
}

TEST(StatblockTest, ProblemsAndTheirLines) {
  const struct {
    std::string yaml;
    std::size_t line;
    const char* problem;
  } cases[] = {
      {"name: a\ndesc: Filth fever: Bite\n", 1, "mapping values are not allowed in this context"},
      {"a: 1\nb: [\n" + std::string(70, '['), 2, "nesting deeper than 64 levels"},
      {"a: 1\nb: \"\x01\"\n", 1, "control characters are not allowed"},
  };
  for (const auto& c : cases) {
    Statblock block;
    StatblockProblem problem;
    EXPECT_FALSE(readStatblock(c.yaml, block, problem)) << c.yaml;
    EXPECT_EQ(problem.line, c.line) << c.yaml;
    EXPECT_EQ(problem.text, c.problem) << c.yaml;
  }
  Statblock block;
  StatblockProblem problem;
  EXPECT_TRUE(readStatblock("ac: 1\n---\n: : [\n", block, problem)) << "only the first document";
  EXPECT_TRUE(readStatblock("", block, problem));
  EXPECT_FALSE(isMonsterStatblock(block));
}

}  // namespace
}  // namespace veldarin
