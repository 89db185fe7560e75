#include <gtest/gtest.h>

#include <sstream>

#include "monster/monster.h"

namespace veldarin {
namespace {

TEST(PrintFullTest, NameAndTypeOnly) {
  Monster monster;
  monster.field(FIELD_NAME) = "Grey Lurker";
  monster.field(FIELD_TYPE) = "Medium Beast";
  monster.field(FIELD_HIT_POINTS) = "___";
  monster.field(FIELD_ABBR_ATTACKS) = "...";
  std::ostringstream file;
  monster.printFull(file);
  EXPECT_EQ(file.str(),
            "\nGrey Lurker\nMedium Beast\nHit Dice: -\nInitiative: -\nSpeed: -\nAC: -\n"
            "Attacks: -\nDamage: -\nFace/Reach: -\nSpecial Attacks: -\nSpecial Qualities: -\n"
            "Saves: -\nAbilities: -\nSkills: -\nFeats: -\nClimate/Terrain: -\nOrganization: -\n"
            "Challenge Rating: -\nTreasure: -\nAlignment: -\nAdvancement: -\n");
}

TEST(PrintFullTest, TextsAsTheyStand) {
  Monster monster;
  monster.field(FIELD_HIT_DICE) = " 3d8 (13 hp) ";
  monster.field(FIELD_FEATS) = "-";
  monster.field(FIELD_ALIGNMENT) = "Always lawful good";
  monster.field(FIELD_BASE_ATTACK) = "+2/+4";
  const Monster before = monster;
  std::ostringstream file;
  monster.printFull(file);
  EXPECT_EQ(file.str().substr(0, 3), "\n\n\n");
  EXPECT_NE(file.str().find("\nHit Dice:  3d8 (13 hp) \n"), std::string::npos);
  EXPECT_NE(file.str().find("\nFeats: -\n"), std::string::npos);
  EXPECT_NE(file.str().find("\nAC: -\nBase Attack/Grapple: +2/+4\nAttacks: -\n"),
            std::string::npos);
  EXPECT_NE(file.str().find("\nAlignment: Always lawful good\n"), std::string::npos);
  for (const FieldInfo& info : fieldTable) EXPECT_EQ(monster.field(info.id), before.field(info.id));
}

}  // namespace
}  // namespace veldarin
