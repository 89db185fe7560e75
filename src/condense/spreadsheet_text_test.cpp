#include <gtest/gtest.h>

#include "monster/monster.h"

namespace veldarin {
namespace {

TEST(AbbreviateForSpreadsheetTest, SpecialQualities) {
  const struct {
    const char* before;
    const char* after;
  } cases[] = {
      {"Darkvision 60 ft., damage reduction 10/+1, SR 15", "darkvision 60 ft., DR 10/+1, SR 15"},
      {"Damage Reduction 20/+1, SR 18", "DR 20/+1, SR 18"},
      {"Scent", "scent"},
      {"-", ""},
      {"", ""},
      {"SR 12, SR 5 against fire", "SR 12, sr 5 against fire"},
      {"Darkvision, SR", "darkvision, sr"},
      {"Damage reduction 5/silver and damage reduction 10/+2",
       "DR 5/silver and damage reduction 10/+2"},
      {"Immune to \xC4"
       "CID, Sr 4",
       "immune to \xC4"
       "cid, SR 4"},
  };
  for (const auto& c : cases) {
    Monster monster;
    monster.field(FIELD_SPECIAL_QUALITIES) = c.before;
    monster.abbreviateForSpreadsheet();
    EXPECT_EQ(monster.field(FIELD_SPECIAL_QUALITIES), c.after) << c.before;
  }
}

TEST(AbbreviateForSpreadsheetTest, OtherTextsAreOnlyLowered) {
  Monster monster;
  monster.field(FIELD_SPECIAL_ATTACKS) = "Spells, SR, Damage Reduction";
  monster.field(FIELD_ABBR_ATTACKS) = "Bite +2 (1D6)";
  monster.field(FIELD_NAME) = "Grey Lurker";
  monster.field(FIELD_HIT_DICE) = "3D8 (13 hp)";
  monster.abbreviateForSpreadsheet();
  EXPECT_EQ(monster.field(FIELD_SPECIAL_ATTACKS), "spells, sr, damage reduction");
  EXPECT_EQ(monster.field(FIELD_ABBR_ATTACKS), "bite +2 (1d6)");
  EXPECT_EQ(monster.field(FIELD_NAME), "Grey Lurker");
  EXPECT_EQ(monster.field(FIELD_HIT_DICE), "3D8");
}

TEST(LowerCaseFieldTest, TouchesOnlyAsciiLetters) {
  Monster monster;
  monster.field(FIELD_FEATS) = "AZaz09 -\xC4\xD6\x80";
  monster.lowerCaseField(FIELD_FEATS);
  EXPECT_EQ(monster.field(FIELD_FEATS), "azaz09 -\xC4\xD6\x80");
}

}  // namespace
}  // namespace veldarin
