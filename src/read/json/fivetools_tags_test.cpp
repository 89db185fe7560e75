#include "read/json/fivetools_tags.h"

#include <gtest/gtest.h>

#include <string>

namespace veldarin {
namespace {

TEST(FivetoolsTagsTest, UndoesTagsInnerFirst) {
  const struct {
    std::string text;
    std::string plain;
  } cases[] = {
      {"{@atk mw,rw} {@hit 5} to hit. {@h}7 ({@damage 1d8 + 3})",
       "Melee or Ranged Weapon Attack: +5 to hit. Hit: 7 (1d8 + 3)"},
      {"{@atkr m} {@hit -1}, {@dc 13}, {@recharge 5}, {@recharge}",
       "Melee Attack Roll: -1, DC 13, (Recharge 5\xE2\x80\x93"
       "6), (Recharge 6)"},
      {"{@actSave dex} {@actSaveFail} {@chance 50} {@scaledamage 1d6|3-9|2d6}",
       "Dexterity Saving Throw: Failure: 50 percent 2d6"},
      {"{@spell fire bolt|phb}, {@creature goblin|mm|goblins}, {@b {@i deep}}",
       "fire bolt, goblins, deep"},
      {"{@b open {@i closed} and }}", "open closed and }"},
      {"{@b never closed", "{@b never closed"},
      {std::string(5000, '{') + "x", std::string(5000, '{') + "x"},
  };
  for (const auto& [text, plain] : cases) EXPECT_EQ(withoutToolTags(text), plain) << text;
  std::string deep;
  for (int i = 0; i < 5000; ++i) deep += "{@b a";
  deep += std::string(5000, '}');
  EXPECT_EQ(withoutToolTags(deep), std::string(5000, 'a'));
}

}  // namespace
}  // namespace veldarin
