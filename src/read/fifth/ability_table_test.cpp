#include "read/fifth/ability_table.h"

#include <gtest/gtest.h>

namespace veldarin::fifth {
namespace {

// The ability lines as one text (the block reader joins a statistic's lines with spaces).
TEST(AbilityTableTest, ScoresAndSaves) {
  const struct {
    const char* table;
    const char* abilities;
    const char* saves;
  } cases[] = {
      {"STR DEX CON INT WIS CHA 10 (+0) 12 (+1) 10 (+0) 3 (-4) 10 (+0) 1 (-5)",
       "Str 10, Dex 12, Con 10, Int 3, Wis 10, Cha 1",
       "Str +0, Dex +1, Con +0, Int -4, Wis +0, Cha -5"},
      {"STR 15(+2) DEX 9(-1) CON 13(+1) INT 8(-1) WIS 11(+0) CHA 9(-1)",
       "Str 15, Dex 9, Con 13, Int 8, Wis 11, Cha 9",
       "Str +2, Dex -1, Con +1, Int -1, Wis +0, Cha -1"},
      {"STR 21 +5 +5 DEX 9 -1 +3 CON 15 +2 +6 INT 18 +4 +8 WIS 15 +2 +6 CHA 18 +4 +4",
       "Str 21, Dex 9, Con 15, Int 18, Wis 15, Cha 18",
       "Str +5, Dex +3, Con +6, Int +8, Wis +6, Cha +4"},
      {"STR DEX CON INT WIS CHA 8 (-1) 14 (+2) 10 (+0) 10 (+0) 8 (-1)", "",
       "Str +0, Dex +0, Con +0, Int +0, Wis +0, Cha +0"},
  };
  for (const auto& c : cases) {
    const AbilityTexts texts = abilityTexts(readAbilityTable(c.table), {});
    EXPECT_EQ(texts.abilities, c.abilities) << c.table;
    EXPECT_EQ(texts.saves, c.saves) << c.table;
  }
}

}  // namespace
}  // namespace veldarin::fifth
