#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "monster/monster.h"

namespace veldarin {
namespace {

Monster withField(FieldId id, const std::string& text) {
  Monster monster;
  monster.field(id) = text;
  monster.extractNumbers();
  return monster;
}

TEST(ExtractNumbersTest, ChallengeRatingCodes) {
  const struct {
    const char* text;
    int cr;
  } cases[] = {
      {"1/2", -1}, {"1/3", -2},  {"1/4", -3},  {"1/5", -4}, {"1/6", -4}, {"1/8", -5},
      {"1/9", -5}, {"1/10", -6}, {"1/12", -6}, {"1/16", 0}, {"1/1", 0},  {"1/0", 0},
      {"1/-2", 0}, {"1/x", 0},   {"3/4", -3},  {"7", 7},    {"", 0},     {"4 (see text)", 4},
  };
  for (const auto& c : cases)
    EXPECT_EQ(withField(FIELD_CHALLENGE_RATING, c.text).cr, c.cr) << c.text;
}

TEST(ExtractNumbersTest, SpeedIsHighestNumberExceptAfterBase) {
  const struct {
    std::string text;
    int speed;
  } cases[] = {
      {"30 ft., fly 60 ft. (average)", 60},
      {"20 ft. (base 30 ft.)", 20},
      {"-5 ft. base 40 ft., 35 ft.", 35},
      {"40 ft., burrow 10 ft.", 40},
      {"", 0},
      {"base 120 ft.", 20},
      {"30 ft. (chainmail); base 40 ft.", 30},
      {"  \t 50 ft.", 50},
      {"9999999999999 ft.", INT_MAX},
      {std::string(1000, '0') + "45 ft.", 45},
  };
  for (const auto& c : cases) EXPECT_EQ(withField(FIELD_SPEED, c.text).speed, c.speed) << c.text;
}

TEST(ExtractNumbersTest, SpeedOfHugeTextsMatchesTheNumbers) {
  EXPECT_EQ(withField(FIELD_SPEED, std::string(1'000'000, ' ')).speed, 0);
  EXPECT_EQ(withField(FIELD_SPEED, std::string(1'000'000, '\t')).speed, 0);
  EXPECT_EQ(withField(FIELD_SPEED, std::string(1'000'000, '7')).speed, INT_MAX);
  EXPECT_EQ(withField(FIELD_SPEED, std::string(1'000'000, ' ') + "60").speed, 60);
  EXPECT_EQ(withField(FIELD_SPEED, std::string(1'000'000, '0') + "60").speed, 60);
}

TEST(ExtractNumbersTest, Saves) {
  const struct {
    const char* text;
    int fort, ref, will;
  } cases[] = {
      {"Fort +3, Ref +1, Will +0", 3, 1, 0},
      {"Fort -1, Will +2", -1, 0, 2},
      {"Fortitude +3, Reflex +1, Will +0", 0, 0, 0},
      {"", 0, 0, 0},
  };
  for (const auto& c : cases) {
    const Monster monster = withField(FIELD_SAVES, c.text);
    EXPECT_EQ(monster.fortSave, c.fort) << c.text;
    EXPECT_EQ(monster.refSave, c.ref) << c.text;
    EXPECT_EQ(monster.willSave, c.will) << c.text;
  }
}

TEST(ExtractNumbersTest, ListenAndSpotDefaultToWisdom) {
  const struct {
    const char* abilities;
    const char* skills;
    int listen, spot;
  } cases[] = {
      {"Str 10, Wis 12, Cha 6", "Hide +4", 1, 1},
      {"Wis 9", "", -1, -1},
      {"Wis 1", "", -5, -5},
      {"Wis -3", "", -6, -6},
      {"Str 10", "", -5, -5},
      {"Wisdom 12", "", -5, -5},
      {"Wis 3", "Listen +8, Spot +7", 8, 7},
      {"Wis 14", "Spot +2", 2, 2},
  };
  for (const auto& c : cases) {
    Monster monster;
    monster.field(FIELD_ABILITIES) = c.abilities;
    monster.field(FIELD_SKILLS) = c.skills;
    monster.extractNumbers();
    EXPECT_EQ(monster.listen, c.listen) << c.abilities << " / " << c.skills;
    EXPECT_EQ(monster.spot, c.spot) << c.abilities << " / " << c.skills;
  }
}

TEST(ExtractNumbersTest, LeadingNumbers) {
  EXPECT_EQ(withField(FIELD_INITIATIVE, "-1 (Dex)").initiative, -1);
  EXPECT_EQ(withField(FIELD_HIT_DICE, "1/2 d8").hitDice, 1);
  EXPECT_EQ(withField(FIELD_HIT_DICE, std::string(20, '9') + "d8").hitDice, INT_MAX);
  EXPECT_EQ(withField(FIELD_AC, "15 (+1 size, +4 natural)").armorClass, 15);
}

}  // namespace
}  // namespace veldarin
