#include <gtest/gtest.h>

#include <string>

#include "monster/monster.h"

namespace veldarin {
namespace {

std::string summary(const std::string& attacks, const std::string& damage) {
  Monster monster;
  monster.field(FIELD_ATTACKS) = attacks;
  monster.field(FIELD_DAMAGE) = damage;
  monster.field(FIELD_ABBR_ATTACKS) = "stale";
  monster.summarizeAttacks();
  EXPECT_EQ(monster.field(FIELD_ATTACKS), attacks);
  EXPECT_EQ(monster.field(FIELD_DAMAGE), damage);
  return monster.field(FIELD_ABBR_ATTACKS);
}

std::string repeated(const std::string& item, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += (i ? ", " : "") + item + std::to_string(i);
  return text;
}

TEST(SummarizeAttacksTest, CondensesPairs) {
  const struct {
    std::string attacks;
    std::string damage;
    std::string expected;
  } cases[] = {
      {"2 claws +5 melee, bite +0 melee", "Claw 1d4+3, bite 1d6+1",
       "2 claws +5 (1d4+3), bite +0 (1d6+1)"},
      {"-", "-", "-"},
      {"-", "see text", "..."},
      {"", "", "..."},
      {"Bite +5 melee", "1d8+2", "..."},
      {"Longsword +5 melee; or longbow +3 ranged", "Longsword 1d8+3; longbow 1d8",
       "longsword +5 (1d8+3), longbow +3 (1d8)"},
      {"2 hooves +3 melee", "Hoof 1d6", "2 hooves +3 (1d6)"},
      {"Bite +5 melee, gaze", "Bite 2d6, gaze", "bite +5 (2d6), ..."},
      {"Bite +5 melee, claw +3 melee", "Bite 2d6", "..."},
      {"Bite +5 melee,", "Bite 2d6", "..."},
      {"Slam +7 melee touch", "Slam 1d6+4", "slam +7 (1d6+4)"},
      {"Bite  melee", "Bite 1d6", "bite  (1d6)"},
      {"Orb +4 ranged", "Orb 1d4", "b +4 (1d4)"},
      {"10 tentacles +6 melee", "Tentacle 1d4", "10 tentacles +6 (1d4)"},
      {"Claw +2 ranged melee +9 melee", "Claw 1d3", "..."},
      {"Rock +3 ranged melee", "Rock 2d6", "..."},
      {"+5 melee", "1d6", "+5 (1d6)"},
      {"Bite +5 melee", "Bite", "bite +5 ()"},
      {"Bite +5 melee", "Bit", "bite +5 ()"},
      {"SLAM +2 MELEE", "SLAM 1D4", "slam +2 (1d4)"},
  };
  for (const auto& c : cases) EXPECT_EQ(summary(c.attacks, c.damage), c.expected) << c.attacks;
}

TEST(SummarizeAttacksTest, OnlyTheFirstSixteenPairsCount) {
  const std::string result = summary(repeated("claw +1 melee", 17), repeated("claw ", 17));
  EXPECT_NE(result.find("claw +1 (15)"), std::string::npos);
  EXPECT_EQ(result.find("(16)"), std::string::npos);
  // Seventeen attacks against sixteen damages still compare equal after the cut.
  EXPECT_NE(summary(repeated("claw +1 melee", 17), repeated("claw ", 16)), "...");
}

TEST(SummarizeAttacksTest, LongItemsAreKeptWhole) {
  const std::string name(2000, 'q');
  EXPECT_EQ(summary(name + " +1 melee", name + " 1d4"), name + " +1 (1d4)");
}

TEST(SplitAttackItemsTest, LowersSplitsAndStripsOr) {
  AttackItems items;
  int count = 0;
  Monster::splitAttackItems("Bite +5 melee;  or OR Claw, orb", items, count);
  ASSERT_EQ(count, 3);
  EXPECT_EQ(items[0], "bite +5 melee");
  EXPECT_EQ(items[1], "claw");
  EXPECT_EQ(items[2], "b");

  Monster::splitAttackItems("a,,b;", items, count);
  ASSERT_EQ(count, 3);
  EXPECT_EQ(items[1], "b");
  EXPECT_EQ(items[2], "");
}

}  // namespace
}  // namespace veldarin
