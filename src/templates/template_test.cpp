#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "monster/monster.h"
#include "templates/template_codes.h"

namespace veldarin {
namespace {

Monster caveLizard(int hitDice) {
  Monster monster;
  monster.field(FIELD_NAME) = "Cave Lizard";
  monster.field(FIELD_HIT_DICE) = std::to_string(hitDice) + "d8+18";
  monster.field(FIELD_SPECIAL_QUALITIES) = "scent";
  monster.field(FIELD_CHALLENGE_RATING) = "4";
  monster.field(FIELD_ABILITIES) = "Str 17, Dex 12, Con 15, Int 2, Wis 12, Cha 6";
  monster.extractNumbers();
  return monster;
}

TEST(ApplyTemplateTest, FiendishCaveLizard) {
  Monster monster = caveLizard(9);
  monster.applyTemplate(TEMPLATE_FIENDISH);
  EXPECT_EQ(monster.field(FIELD_NAME), "Fiendish Cave Lizard");
  EXPECT_EQ(monster.field(FIELD_SPECIAL_ATTACKS), "Smite good");
  EXPECT_EQ(monster.field(FIELD_SPECIAL_QUALITIES),
            "Scent, darkvision 60 ft., cold & fire resistance 15, damage reduction 5/+2, SR 18");
  EXPECT_EQ(monster.field(FIELD_CHALLENGE_RATING), "6");
  EXPECT_EQ(monster.cr, 6);
  EXPECT_EQ(monster.field(FIELD_ABILITIES), "Str 17, Dex 12, Con 15, Int 3, Wis 12, Cha 6");
  EXPECT_EQ(monster.hitDice, 9);
}

TEST(ApplyTemplateTest, CelestialCaveLizard) {
  Monster monster = caveLizard(2);
  monster.applyTemplate(TEMPLATE_CELESTIAL);
  EXPECT_EQ(monster.field(FIELD_NAME), "Celestial Cave Lizard");
  EXPECT_EQ(monster.field(FIELD_SPECIAL_ATTACKS), "Smite evil");
  EXPECT_EQ(monster.field(FIELD_SPECIAL_QUALITIES),
            "Scent, darkvision 60 ft., acid, cold & electricity resistance 5, SR 4");
  EXPECT_EQ(monster.field(FIELD_CHALLENGE_RATING), "4");
  EXPECT_EQ(monster.cr, 4);
}

TEST(TemplateBandsTest, BandsByHitDice) {
  const struct {
    int hitDice, resistance, grade, increase;
  } cases[] = {
      {INT_MIN, 0, 0, 0}, {-1, 0, 0, 0},  {0, 0, 0, 0},   {1, 5, 0, 0},
      {3, 5, 0, 0},       {4, 10, 1, 1},  {7, 10, 1, 1},  {8, 15, 2, 2},
      {11, 15, 2, 2},     {12, 20, 3, 2}, {20, 20, 3, 2}, {INT_MAX, 20, 3, 2},
  };
  for (const auto& c : cases) {
    int resistance = -9, grade = -9, increase = -9;
    Monster::templateBands(c.hitDice, resistance, grade, increase);
    EXPECT_EQ(resistance, c.resistance) << c.hitDice;
    EXPECT_EQ(grade, c.grade) << c.hitDice;
    EXPECT_EQ(increase, c.increase) << c.hitDice;
  }
}

TEST(ApplyTemplateTest, SpecialQualitiesSentenceByHitDice) {
  const struct {
    const char* hitDice;
    const char* qualities;
  } cases[] = {
      {"-", "Darkvision 60 ft., acid, cold & electricity resistance 0, SR 0"},
      {"20d10",
       "Darkvision 60 ft., acid, cold & electricity resistance 20, "
       "damage reduction 10/+3, SR 40"},
      {"4d8",
       "Darkvision 60 ft., acid, cold & electricity resistance 10, "
       "damage reduction 5/+1, SR 8"},
      {"99999999999999999999d8",
       "Darkvision 60 ft., acid, cold & electricity resistance 20, "
       "damage reduction 10/+3, SR 2147483647"},
  };
  for (const auto& c : cases) {
    Monster monster;
    monster.field(FIELD_HIT_DICE) = c.hitDice;
    monster.extractNumbers();
    monster.applyTemplate(TEMPLATE_CELESTIAL);
    EXPECT_EQ(monster.field(FIELD_SPECIAL_QUALITIES), c.qualities) << c.hitDice;
  }
}

TEST(ApplyTemplateTest, Edition35Bands) {
  const struct {
    int hitDice;
    const char* sentenceEnd;
    const char* rating;
  } cases[] = {
      {0, "resistance 0, SR 0", "4"},
      {3, "resistance 5, SR 8", "4"},
      {4, "resistance 5, damage reduction 5/magic, SR 9", "5"},
      {11, "resistance 10, damage reduction 5/magic, SR 16", "6"},
      {12, "resistance 10, damage reduction 10/magic, SR 17", "6"},
      {20, "resistance 10, damage reduction 10/magic, SR 25", "6"},
      {INT_MAX, "resistance 10, damage reduction 10/magic, SR 25", "6"},
  };
  for (const auto& c : cases) {
    Monster monster = caveLizard(0);
    monster.hitDice = c.hitDice;
    monster.edition35.table = true;
    monster.applyTemplate(TEMPLATE_FIENDISH);
    EXPECT_TRUE(monster.field(FIELD_SPECIAL_QUALITIES).ends_with(c.sentenceEnd))
        << monster.field(FIELD_SPECIAL_QUALITIES);
    EXPECT_EQ(monster.field(FIELD_CHALLENGE_RATING), c.rating) << c.hitDice;
  }
}

TEST(ApplyTemplateTest, PathfinderBands) {
  const struct {
    const char* hitDice;
    const char* rating;
    int code;
    const char* sentenceEnd;
    const char* after;
  } cases[] = {
      {"0", "2", TEMPLATE_CELESTIAL, "resistance 0, SR 0", "2"},
      {"1d8", "1/3", TEMPLATE_CELESTIAL, "resistance 5, SR 5", "1/3"},
      {"4d8", "3", TEMPLATE_FIENDISH, "resistance 5, SR 8", "3"},
      {"5d8", "1/2", TEMPLATE_FIENDISH, "resistance 10, damage reduction 5/good, SR 6", "1"},
      {"10d8", "7", TEMPLATE_CELESTIAL, "resistance 10, damage reduction 5/evil, SR 13", "8"},
      {"11d8", "9", TEMPLATE_FIENDISH, "resistance 15, damage reduction 10/good, SR 15", "10"},
      {"17d10", "16", TEMPLATE_CELESTIAL, "resistance 15, damage reduction 10/evil, SR 22", "17"},
  };
  for (const auto& c : cases) {
    Monster monster;
    monster.pathfinder.block = true;
    monster.field(FIELD_HIT_DICE) = c.hitDice;
    monster.field(FIELD_CHALLENGE_RATING) = c.rating;
    monster.extractNumbers();
    monster.applyTemplate(c.code);
    EXPECT_TRUE(monster.field(FIELD_SPECIAL_QUALITIES).ends_with(c.sentenceEnd))
        << monster.field(FIELD_SPECIAL_QUALITIES);
    EXPECT_EQ(monster.field(FIELD_CHALLENGE_RATING), c.after) << c.hitDice;
  }
}

TEST(ApplyTemplateTest, EntryListsAndCapitals) {
  const struct {
    const char* before;
    const char* specialAttacks;
    const char* qualitiesStart;
  } cases[] = {
      {"", "Smite evil", "Darkvision 60 ft., acid"},
      {"-", "Smite evil", "Darkvision 60 ft., acid"},
      {"breath weapon", "Breath weapon, smite evil", "Breath weapon, darkvision 60 ft., acid"},
      {"darkvision 60 ft.", "Darkvision 60 ft., smite evil",
       "Darkvision 60 ft., darkvision 60 ft., acid"},
      {"+2 turn resistance", "+2 turn resistance, smite evil",
       "+2 turn resistance, darkvision 60 ft., acid"},
      {"- ", "- , smite evil", "- , darkvision"},
  };
  for (const auto& c : cases) {
    Monster monster;
    monster.field(FIELD_SPECIAL_ATTACKS) = c.before;
    monster.field(FIELD_SPECIAL_QUALITIES) = c.before;
    monster.applyTemplate(TEMPLATE_CELESTIAL);
    EXPECT_EQ(monster.field(FIELD_SPECIAL_ATTACKS), c.specialAttacks) << c.before;
    EXPECT_TRUE(monster.field(FIELD_SPECIAL_QUALITIES).starts_with(c.qualitiesStart))
        << monster.field(FIELD_SPECIAL_QUALITIES);
  }
}

TEST(ApplyTemplateTest, ChallengeRating) {
  const struct {
    const char* rating;
    int hitDice;
    const char* after;
    int cr;
  } cases[] = {
      {"4 (see text)", 8, "6", 6},
      {"1/2", 4, "1", 1},
      {"1/2", 8, "2", 2},
      {"1/2", 3, "1/2", -1},
      {"1/4", 12, "2", 2},
      {"-", 4, "1", 1},
      {"2147483647", 12, "2147483647", INT_MAX},
      {"7", 0, "7", 7},
  };
  for (const auto& c : cases) {
    Monster monster;
    monster.field(FIELD_CHALLENGE_RATING) = c.rating;
    monster.field(FIELD_HIT_DICE) = std::to_string(c.hitDice);
    monster.extractNumbers();
    monster.applyTemplate(TEMPLATE_FIENDISH);
    EXPECT_EQ(monster.field(FIELD_CHALLENGE_RATING), c.after) << c.rating << " at " << c.hitDice;
    EXPECT_EQ(monster.cr, c.cr) << c.rating << " at " << c.hitDice;
  }
}

TEST(ApplyTemplateTest, MinimumIntelligence) {
  const struct {
    const char* before;
    const char* after;
  } cases[] = {
      {"Int -", "Int 3"},
      {"Int \xE2\x80\x94, Wis 9", "Int 3, Wis 9"},
      {"Int \xE2\x80\x94", "Int 3"},
      {"Int \xC3\xA9\x80x", "Int 3x"},
      {"Int 0", "Int 3"},
      {"Int 1", "Int 3"},
      {"Int 2, Wis 9", "Int 3, Wis 9"},
      {"Int 10", "Int 10"},
      {"Int 3", "Int 3"},
      {"Str 5", "Str 5"},
      {"int 1", "int 1"},
      {"Int", "Int 3"},
      {"Str 4, Int", "Str 4, Int 3"},
      {"Int:", "Int:3"},
      {"Int  2", "Int  3"},
      {"Int -1", "Int 3"},
      {"Int 02", "Int 3"},
      {"Int 1 (see text)", "Int 3 (see text)"},
      {"Int +1x", "Int 3x"},
      {"Int ab", "Int 3b"},
      {"Int 99999999999999", "Int 99999999999999"},
      {"Int -99999999999999", "Int 3"},
      {"Int \xE2\x80\x93"
       "2, Wis 9",
       "Int 3, Wis 9"},
  };
  for (const auto& c : cases) {
    Monster monster;
    monster.field(FIELD_ABILITIES) = c.before;
    monster.applyTemplate(TEMPLATE_FIENDISH);
    EXPECT_EQ(monster.field(FIELD_ABILITIES), c.after) << c.before;
  }
}

TEST(ApplyTemplateTest, OtherCodesChangeNothing) {
  for (const int code : {TEMPLATE_NONE, 3, -1}) {
    Monster monster = caveLizard(9);
    monster.field(FIELD_SPECIAL_ATTACKS) = "-";
    const Monster before = monster;
    monster.applyTemplate(code);
    for (const FieldInfo& info : fieldTable) {
      EXPECT_EQ(monster.field(info.id), before.field(info.id)) << info.label;
    }
    EXPECT_EQ(monster.cr, before.cr);
  }
}

TEST(ApplyTemplateTest, GroupAppliesToEachMonsterInUse) {
  MonsterGroup group;
  group.monsters = {caveLizard(2), caveLizard(12)};
  group.applyTemplates(templateBit(TEMPLATE_FIENDISH));
  EXPECT_EQ(group.monsters[0].field(FIELD_CHALLENGE_RATING), "4");
  EXPECT_EQ(group.monsters[1].field(FIELD_CHALLENGE_RATING), "6");
}

TEST(ApplyTemplateTest, LongNamesAreKeptWhole) {
  Monster monster;
  const std::string name(5000, 'n');
  monster.field(FIELD_NAME) = name;
  monster.applyTemplate(TEMPLATE_CELESTIAL);
  EXPECT_EQ(monster.field(FIELD_NAME), "Celestial " + name);
  Monster empty;
  empty.applyTemplate(TEMPLATE_FIENDISH);
  EXPECT_EQ(empty.field(FIELD_NAME), "Fiendish ");
}

}  // namespace
}  // namespace veldarin
