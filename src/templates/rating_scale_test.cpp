#include "templates/rating_scale.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "monster/monster.h"

namespace veldarin {
namespace {

TEST(RatingScaleTest, TargetRows) {
  const struct {
    const char* value;
    int row;  // -1 for refused
  } cases[] = {
      {"0", 0},   {"0.125", 1}, {".125", 1}, {"0.25", 2},         {".5", 3},   {"1", 4},
      {"30", 33}, {"", -1},     {"31", -1},  {"-1", -1},          {"0.3", -1}, {"05", -1},
      {"2x", -1}, {"+3", -1},   {"1/2", -1}, {"99999999999", -1},
  };
  for (const auto& c : cases) {
    const auto row = targetRow(c.value);
    EXPECT_EQ(row ? static_cast<int>(*row) : -1, c.row) << c.value;
  }
}

// A field's text in, the scaled text out, between the rows of two ratings; a case a line.
TEST(RatingScaleTest, FieldTexts) {
  const auto row = [](const char* rating) { return ratingRow(*ratingRowOf(rating)); };
  using Rule = std::function<std::string(std::string_view)>;
  const auto hitDice = [&](const char* from, const char* to) {
    return Rule([&row, from, to](std::string_view text) {
      int points = -1;
      return scale::hitDice(text, points, row(from), row(to));
    });
  };
  const auto damage = [&](const char* from, const char* to) {
    return Rule([&row, from, to](std::string_view text) {
      return scale::damage(text, row(from), row(to));
    });
  };
  const struct {
    Rule rule;
    const char* in;
    const char* out;
  } cases[] = {
      {hitDice("1/4", "5"), "4d4 (10 hp)", "28d4 (70 hp)"},
      {hitDice("7", "5"), "11d10+44 (104 hp)", "9d10+36 (85 hp)"},
      {hitDice("5", "1/4"),
       "20d10\xE2\x88\x92"
       "4 (150 hp)",
       "4d10 (22 hp)"},
      {hitDice("5", "1/4"),
       "20d10\xE2\x88\x92"
       "20 (90 hp)",
       "3d10\xE2\x88\x92"
       "3 (13 hp)"},
      {hitDice("1", "20"), "(32 hp)", "(283 hp)"},
      {hitDice("30", "0"), "1d4-9 (1 hp)", "1d4-9 (1 hp)"},
      {hitDice("1", "2"), "-", "-"},
      {damage("3", "5"), "Bite 2d6+3 piercing", "Bite 3d6+3 piercing"},
      {damage("7", "5"), "Slam 2d8 + 5 Bludgeoning plus 2d6 Poison; or Root 1 piercing",
       "Slam 2d8 + 4 Bludgeoning plus 2d6 Poison; or Root 1 piercing"},
      {damage("5", "1/4"),
       "Bite 1d6+0; or Claw 1d4\xE2\x80\x93"
       "3; or Sting 10 poison",
       "Bite 1d6+0; or Claw 1d4\xE2\x80\x93"
       "1; or Sting 4 poison"},
      {damage("1/4", "30"), "Gaze the spell's damage", "Gaze the spell's damage"},
      {[](auto t) { return scale::attacks(t, 3); }, "Bite +5 melee; or Spear +1, Thrown -2 ranged",
       "Bite +8 melee; or Spear +1, Thrown +1 ranged"},
      {[](auto t) { return scale::saves(t, "Str 16, Dex 14, Con 14, Int 5, Wis 12, Cha 7", 1); },
       "Str +3, Dex +4, Con +2, Int -3, Wis +3, Cha \xE2\x88\x92"
       "2",
       "Str +3, Dex +5, Con +2, Int -3, Wis +4, Cha \xE2\x88\x92"
       "2"},
      {[](auto t) {
         return scale::condensedAttacks(t, "Bite 4d4+3 piercing; or Spit, Cinder 2d8");
       },
       "Bite +8 melee; or Spit, Cinder +8 ranged",
       "bite +8 (4d4+3 piercing), spit, cinder +8 (2d8)"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.rule(c.in), c.out) << c.in;
}

TEST(RatingScaleTest, MonstersAndRefusals) {
  MonsterGroup group;
  ASSERT_TRUE(group.loadFromText(
      "Wolf\nMedium beast, unaligned\nArmor Class 13\nHit Points 11 (2d8 + 2)\n"
      "STR DEX CON INT WIS CHA\n12 (+1) 15 (+2) 12 (+1) 3 (-4) 12 (+1) 6 (-2)\n"
      "Skills Perception +3\nChallenge 1/4 (50 XP)\nActions\n"
      "Bite. Melee Weapon Attack: +4 to hit, reach 5 ft., one target. Hit: 7 (2d4 + 2) piercing.\n"
      "Ghost\nMedium undead\nAC 11\nHP 45 (10d8)\nSTR 7\nChallenge —\n"));
  ASSERT_TRUE(group.scaleToRating(*targetRow("3")));
  const Monster& wolf = group.monsters[0];
  EXPECT_EQ(wolf.field(FIELD_CHALLENGE_RATING), "3");
  EXPECT_EQ(wolf.cr, 3);
  EXPECT_EQ(wolf.field(FIELD_HIT_DICE), "9d8+9 (49 hp)");
  EXPECT_EQ(wolf.field(FIELD_HIT_POINTS), "49 ___");
  EXPECT_EQ(wolf.field(FIELD_ABBR_ATTACKS), "bite +5 (5d4+2 piercing)");
  EXPECT_EQ(wolf.listen, 3);
  EXPECT_EQ(group.monsters[1].field(FIELD_HIT_DICE), "10d8 (45 hp)");

  MonsterGroup table;
  ASSERT_TRUE(table.loadFromText("Imp\nHit Dice: 3d8\n"));
  ::testing::internal::CaptureStdout();
  EXPECT_TRUE(table.scaleToRating(std::nullopt));
  EXPECT_FALSE(table.scaleToRating(*targetRow("3")));
  EXPECT_EQ(::testing::internal::GetCapturedStdout(),
            "scaleToRating(): scaling to a challenge rating needs fifth-edition monsters.\n");
}

}  // namespace
}  // namespace veldarin
