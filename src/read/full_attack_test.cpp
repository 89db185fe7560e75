#include "read/full_attack.h"

#include <gtest/gtest.h>

namespace veldarin {
namespace {

TEST(SplitFullAttackTest, AttacksAndDamage) {
  const struct {
    const char* text;
    const char* attacks;
    const char* damage;
  } cases[] = {
      {"Bite +8 melee (1d8+2) and slam +3 melee (1d4+1); or greatsword +8/+3 melee (2d6+3/19–20)",
       "Bite +8 melee, slam +3 melee; or greatsword +8/+3 melee",
       "Bite 1d8+2, slam 1d4+1; or greatsword 2d6+3/19–20"},
      {"2 slam +57 (4d10+24) melee", "2 slam +57 melee", "slam 4d10+24"},
      {"Claw +1 melee (1d3), claw +1 melee (1d3), and bite -1 melee (1d4)",
       "Claw +1 melee, claw +1 melee, bite -1 melee", "Claw 1d3, claw 1d3, bite 1d4"},
      {"Slam +3 melee (1d6), or spear +4 ranged (1d8) or ray +2 ranged touch (2d4)",
       "Slam +3 melee; or spear +4 ranged; or ray +2 ranged touch",
       "Slam 1d6; or spear 1d8; or ray 2d4"},
      {"Sting +7 melee (1d4, and poison [see text])", "Sting +7 melee",
       "Sting 1d4, and poison [see text]"},
      {"Swarm (1d6 plus disease)", "Swarm", "Swarm 1d6 plus disease"},
      {"+5 melee (1d6)", "+5 melee", "1d6"},
      {"Gore +4 melee (1d8) (see text)", "Gore +4 melee (1d8)", "Gore see text"},
      {"Bite +2 melee (1d4, claw +1 melee", "Bite +2 melee (1d4, claw +1 melee",
       "Bite +2 melee (1d4, claw +1 melee"},
      {"Bite) +2 melee (1d4]; claw +1 melee (1d2)", "Bite) +2 melee (1d4]; claw +1 melee",
       "Bite) +2 melee (1d4]; claw 1d2"},
      {"-", "-", "-"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    const AttacksAndDamage split = splitFullAttack(c.text);
    EXPECT_EQ(split.attacks, c.attacks) << c.text;
    EXPECT_EQ(split.damage, c.damage) << c.text;
  }
}

}  // namespace
}  // namespace veldarin
