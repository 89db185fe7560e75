#include "condense/abbreviation.h"

#include <gtest/gtest.h>

#include "monster/monster.h"

namespace veldarin {
namespace {

struct FieldCase {
  const char* before;
  const char* after;
};

std::string abbreviated(FieldId id, const char* text, int runs = 1) {
  Monster monster;
  monster.field(id) = text;
  for (int i = 0; i < runs; ++i) monster.abbreviateFields();
  return monster.field(id);
}

TEST(AbbreviateFieldsTest, CutsAtParenthesis) {
  const FieldCase cases[] = {
      {"3d8+9 (22 hp)", "3d8+9"},
      {"2d8  (9 hp)", "2d8 "},
      {"(x)", ""},
      {"16", "16"},
      {"a(b) c", "a"},
      {"", ""},
  };
  for (const FieldId id : {FIELD_HIT_DICE, FIELD_AC, FIELD_INITIATIVE}) {
    for (const auto& c : cases) EXPECT_EQ(abbreviated(id, c.before), c.after) << c.before;
  }
  EXPECT_EQ(abbreviated(FIELD_SPEED, "30 ft. (good)"), "30 ft. (good)");
}

TEST(AbbreviateFieldsTest, Alignment) {
  const FieldCase cases[] = {
      {"Always lawful good", "LG"},
      {"Usually neutral good", "NG"},
      {"Always neutral", "N"},
      {"Any evil", "E"},
      {"Any", ""},
      {"Always Lawful Good", ""},
      {"Lawful good", "G"},
      {"", ""},
      {"chaotic neutral", "CN"},
      {"neutral evil or lawful", "NE"},
      {"usually lawful", "L"},
      {"LG", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(abbreviated(FIELD_ALIGNMENT, c.before), c.after) << c.before;
  EXPECT_EQ(abbreviated(FIELD_ALIGNMENT, "Always lawful good", 2), "");
}

TEST(AbbreviateFieldsTest, FaceAndReach) {
  const FieldCase cases[] = {
      {"5 ft. by 5 ft./5 ft.", ""},
      {"5 ft. by 5 ft./5 ft. (10 ft. with tentacles)", ""},
      {"5 ft. by 10 ft./5 ft.", "5x10 ft./5 ft."},
      {"10 ft. by 20 ft./10 ft.", "10x20 ft./10 ft."},
      {"Tiny 5 ft. by 5 ft./5 ft.", "Tiny 5x5 ft./5 ft."},
      {"ft. by 5 ft./5 ft.", "5 ft./5 ft."},
      {"5 ft. by 10 ft. by 20 ft.", "5x10 ft. by 20 ft."},
      {"10 ft./15 ft.", "10 ft./15 ft."},
  };
  for (const auto& c : cases)
    EXPECT_EQ(abbreviated(FIELD_FACE_REACH, c.before), c.after) << c.before;
}

TEST(AbbreviateFieldsTest, DashOnlyFieldsEmpty) {
  for (const FieldId id :
       {FIELD_SPECIAL_ATTACKS, FIELD_SPECIAL_QUALITIES, FIELD_SKILLS, FIELD_FEATS}) {
    EXPECT_EQ(abbreviated(id, "-"), "");
    EXPECT_EQ(abbreviated(id, "- "), "- ");
    EXPECT_EQ(abbreviated(id, "--"), "--");
  }
  EXPECT_EQ(abbreviated(FIELD_TREASURE, "-"), "-");
}

TEST(AbbreviateFieldsTest, SecondRunChangesOnlyTheAlignment) {
  Monster monster;
  monster.field(FIELD_HIT_DICE) = "3d8+9 (22 hp)";
  monster.field(FIELD_FACE_REACH) = "5 ft. by 10 ft./5 ft.";
  monster.field(FIELD_SPECIAL_ATTACKS) = "-";
  monster.field(FIELD_ALIGNMENT) = "Always lawful good";
  monster.abbreviateFields();
  monster.abbreviateFields();
  EXPECT_EQ(monster.field(FIELD_HIT_DICE), "3d8+9");
  EXPECT_EQ(monster.field(FIELD_FACE_REACH), "5x10 ft./5 ft.");
  EXPECT_EQ(monster.field(FIELD_SPECIAL_ATTACKS), "");
  EXPECT_EQ(monster.field(FIELD_ALIGNMENT), "");
}

TEST(AlignmentTableTest, LastRowMatchesEverything) {
  EXPECT_EQ(alignmentTable.back().fullText, "");
  EXPECT_EQ(alignmentTable.back().abbreviation, "");
}

}  // namespace
}  // namespace veldarin
