#include "monster/monster.h"

#include <gtest/gtest.h>

namespace veldarin {
namespace {

TEST(AppendToFieldTest, SeparatorRules) {
  const struct {
    const char* before;
    const char* text;
    const char* separator;
    const char* after;
  } cases[] = {
      {"", "a", nullptr, "a"},    {"a", "b", nullptr, "a b"},   {"a ", "b", nullptr, "a b"},
      {"a", "", nullptr, "a "},   {"", "", nullptr, ""},        {"", "a", ", ", "a"},
      {"a", "b", ", ", "a, b"},   {"a, ", "b", ", ", "a, , b"}, {"a", "", ", ", "a, "},
      {"a ", "b", ", ", "a , b"},
  };
  for (const auto& c : cases) {
    Monster monster;
    monster.field(FIELD_FEATS) = c.before;
    monster.appendToField(FIELD_FEATS, c.text, c.separator);
    EXPECT_EQ(monster.field(FIELD_FEATS), c.after) << "'" << c.before << "' + '" << c.text << "'";
  }
}

TEST(MonsterClearTest, EmptiesEveryTextAndZeroesEveryNumber) {
  Monster monster;
  for (const FieldInfo& info : fieldTable) monster.field(info.id) = "x";
  monster.cr = monster.hitDice = monster.initiative = monster.speed = monster.armorClass = 7;
  monster.fortSave = monster.refSave = monster.willSave = monster.listen = monster.spot = 7;
  monster.clear();
  for (const FieldInfo& info : fieldTable) EXPECT_TRUE(monster.field(info.id).empty());
  for (int value :
       {monster.cr, monster.hitDice, monster.initiative, monster.speed, monster.armorClass,
        monster.fortSave, monster.refSave, monster.willSave, monster.listen, monster.spot}) {
    EXPECT_EQ(value, 0);
  }
}

TEST(MonsterGroupClearTest, RemovesEveryMonster) {
  MonsterGroup group;
  group.monsters.resize(5);
  group.clear();
  EXPECT_EQ(group.count(), 0);
}

TEST(MonsterFieldTest, IdOutsideTheCatalogueAborts) {
  Monster monster;
  EXPECT_DEATH(monster.field(100), "");
  EXPECT_DEATH(monster.field(FIELD_NONE), "");
}

}  // namespace
}  // namespace veldarin
