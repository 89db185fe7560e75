#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "monster/monster.h"

namespace veldarin {
namespace {

Monster greyLurker() {
  Monster monster;
  monster.field(FIELD_NAME) = "Grey Lurker";
  monster.field(FIELD_HIT_DICE) = "3d10+6 (22 hp)";
  monster.field(FIELD_HIT_POINTS) = "22 ___";
  monster.field(FIELD_ABBR_ATTACKS) = "bite +4 (1d6)";
  monster.field(FIELD_SPECIAL_QUALITIES) = "Scent";
  monster.cr = 2;
  monster.initiative = 2;
  monster.speed = 40;
  monster.armorClass = 14;
  monster.fortSave = 5;
  monster.refSave = 5;
  monster.willSave = 2;
  monster.listen = 6;
  monster.spot = 6;
  return monster;
}

std::string row(Monster monster) {
  std::ostringstream file;
  monster.printSpreadsheet(file);
  return file.str();
}

TEST(PrintSpreadsheetTest, GreyLurker) {
  EXPECT_EQ(
      row(greyLurker()),
      "Grey Lurker\t2\t3d10+6\t22 ___\t\t2\t\t40\t14\t5\t5\t2\t6\t6\t\tbite +4 (1d6); scent\n");
}

TEST(PrintSpreadsheetTest, LastColumn) {
  const struct {
    const char* attacks;
    const char* specialAttacks;
    const char* qualities;
    const char* last;
  } cases[] = {
      {"", "", "", ""},
      {"", "", "Scent", "scent"},
      {"", "-", "-", ""},
      {"bite +4 (1d6)", "", "Scent", "bite +4 (1d6); scent"},
      {"...", "Rend", "", "...; rend"},
      {"", "Rend", "SR 5", "rend; SR 5"},
  };
  for (const auto& c : cases) {
    Monster monster = greyLurker();
    monster.field(FIELD_ABBR_ATTACKS) = c.attacks;
    monster.field(FIELD_SPECIAL_ATTACKS) = c.specialAttacks;
    monster.field(FIELD_SPECIAL_QUALITIES) = c.qualities;
    const std::string text = row(monster);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\t'), 15);
    EXPECT_EQ(text.substr(text.rfind('\t') + 1), std::string(c.last) + "\n");
  }
}

TEST(PrintSpreadsheetTest, NumbersAndCodes) {
  Monster monster;
  monster.cr = -3;
  monster.initiative = -1;
  monster.speed = 2147483647;
  EXPECT_EQ(row(monster), "\t-3\t\t\t\t-1\t\t2147483647\t0\t0\t0\t0\t0\t0\t\t\n");
}

}  // namespace
}  // namespace veldarin
