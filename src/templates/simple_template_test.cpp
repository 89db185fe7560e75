#include "templates/simple_template.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

#include "monster/monster.h"
#include "templates/number_text.h"

namespace veldarin {
namespace {

const RollChanges ADVANCED = rollChanges(templateBit(TEMPLATE_ADVANCED));
const RollChanges GIANT = rollChanges(templateBit(TEMPLATE_GIANT));
const RollChanges YOUNG = rollChanges(templateBit(TEMPLATE_YOUNG));
const RollChanges ADVANCED_GIANT =
    rollChanges(templateBit(TEMPLATE_ADVANCED) | templateBit(TEMPLATE_GIANT));

// A field's text in, the changed text out, a case a line.
std::string buffer;

TEST(QuickRulesTest, FieldTexts) {
  using Rule = std::function<std::string(std::string)>;
  const auto hitDice = [](const RollChanges& changes) {
    return Rule([&changes](std::string field) {
      int points = -1;
      quick::hitDice(field, 1, changes.hitPointsPerDie, points, buffer);
      return field;
    });
  };
  const Rule armor = [](std::string field) {
    quick::armorClass(field, buffer);
    return field;
  };
  const struct {
    Rule rule;
    const char* in;
    const char* out;
  } cases[] = {
      {hitDice(ADVANCED), "6d10+24 (57 hp)", "6d10+36 (69 hp)"},
      {hitDice(ADVANCED),
       "2d10\xE2\x80\x93"
       "2 (9 hp)",
       "2d10+2 (13 hp)"},
      {hitDice(YOUNG), "1d8+2 (6 hp)", "1d8 (4 hp)"},
      {hitDice(YOUNG), "2d4 (5 hp)", "2d4-3 (2 hp)"},
      {hitDice(ADVANCED), "8d8+56 plus 10d4+70 (150 hp)", "8d8+56 plus 10d4+106 (186 hp)"},
      {hitDice(ADVANCED), "12 HD; 8d8+56 plus 10d4+70 (150 hp)",
       "12 HD; 8d8+56 plus 10d4+94 (174 hp)"},
      {hitDice(GIANT), "4d12 (26)", "4d12+8 (34)"},
      {hitDice(ADVANCED), "1/2 d8 (2 hp)", "1/2 d8 (4 hp)"},
      {hitDice(ADVANCED), "-", "-"},
      {[](std::string t) {
         quick::initiative(t, YOUNG, buffer);
         return t;
       },
       "+2 (Dex)", "+4 (Dex)"},
      {[](std::string t) {
         quick::initiative(t, GIANT, buffer);
         return t;
       },
       "\xE2\x80\x93"
       "1",
       "\xE2\x80\x93"
       "2"},
      {[](std::string t) {
         quick::saves(t, YOUNG, buffer);
         return t;
       },
       "Fort +1, Ref +0, Will +1; +4 vs. fear", "Fort -1, Ref +2, Will -1; +4 vs. fear"},
      {[](std::string t) {
         quick::attacks(t, ADVANCED_GIANT, false, buffer);
         return t;
       },
       "+1 spear +11/+6 melee, 2 claws +9 melee; or rock +4 ranged",
       "+1 spear +15/+10 melee, 2 claws +13 melee; or rock +5 ranged"},
      {[](std::string t) {
         quick::attacks(t, GIANT, true, buffer);
         return t;
       },
       "Bite +6 melee", "Bite +5 melee"},
      // At an int's limits the numbers saturate; one read past them stays as it was written.
      {[](std::string t) {
         quick::attacks(t, ADVANCED_GIANT, false, buffer);
         return t;
       },
       "Bite +2147483646/+2147483641 melee, claw \xE2\x80\x93"
       "2147483649 melee",
       "Bite +2147483647/+2147483645 melee, claw \xE2\x80\x93"
       "2147483644 melee"},
      {[](std::string t) {
         quick::damage(t, "claw -1 melee, bite +2 melee", YOUNG, buffer);
         return t;
       },
       "claw 1d4-2147483647, bite 1d4+99999999999", "claw 1d4-2147483648, bite 1d4+2147483645"},
      {[](std::string t) {
         quick::attacks(t, YOUNG, false, buffer);
         return t;
       },
       "+1 spear", "+1 spear"},
      {[](std::string t) {
         quick::damage(t, "bite +9 melee, rock +4 ranged", GIANT, buffer);
         return t;
       },
       "bite 1d8+5 plus grab, rock 2d6 + 1", "bite 1d8+7 plus grab, rock 2d6 + 1"},
      {[](std::string t) {
         quick::damage(t, "bite +9 melee, gaze +4 ranged", YOUNG, buffer);
         return t;
       },
       "bite 1d4/19\xE2\x80\x93"
       "20, gaze 2d6 + 2 plus 1d6 fire",
       "bite 1d4-2/19\xE2\x80\x93"
       "20, gaze 2d6 plus 1d6 fire"},
      {[](std::string t) {
         quick::damage(t, "touch +2 melee", ADVANCED, buffer);
         return t;
       },
       "paralysis", "paralysis"},
      // Each attack that " and " joins moves its first dice; an empty one moves none.
      {[](std::string t) {
         quick::damage(t, "2 claws +5 melee, slam +3 melee", ADVANCED, buffer);
         return t;
       },
       "claws 1d6+4 plus 1d4 and bite 1d8 and  and 2d4, and slam 2d6",
       "claws 1d6+6 plus 1d4 and bite 1d8+2 and  and 2d4+2, and slam 2d6+2"},
      {[](std::string t) {
         quick::baseAttack(t, ADVANCED, true, buffer);
         return t;
       },
       "+6; CMB +12 (+16 grapple); CMD 21 (25 vs. trip)",
       "+6; CMB +14 (+18 grapple); CMD 25 (29 vs. trip)"},
      {[](std::string t) {
         quick::baseAttack(t, GIANT, true, buffer);
         return t;
       },
       "+2; CMB \xE2\x80\x93"
       "1; CMD 12",
       "+2; CMB +1; CMD 12"},
      {[](std::string t) {
         quick::baseAttack(t, YOUNG, false, buffer);
         return t;
       },
       "+2/\xE2\x80\x93"
       "2",
       "+2/\xE2\x80\x93"
       "4"},
      {[](std::string t) {
         quick::skills(t, GIANT, true, buffer);
         return t;
       },
       "Climb +5, Knowledge (arcana, planes) +4, Stealth +5 (+13 in marshes), Swim +9; Racial "
       "Modifiers +8 Stealth in marshes",
       "Climb +7, Knowledge (arcana, planes) +4, Stealth +4 (+12 in marshes), Swim +11; Racial "
       "Modifiers +8 Stealth in marshes"},
      {[](std::string t) {
         quick::skills(t, GIANT, false, buffer);
         return t;
       },
       "Disable Device +4, Tumble +0", "Disable Device +4, Tumble -1"},
      {[](std::string t) {
         quick::skills(t, GIANT, true, buffer);
         return t;
       },
       "Disable Device +4", "Disable Device +3"},
      {[](std::string t) {
         quick::difficultyClasses(t, 2, buffer);
         return t;
       },
       "trample (2d8+18, DC 28), DC x", "trample (2d8+18, DC 30), DC x"},
      {armor, "15, touch 14, flat-footed 12 (+3 Dex, +1 natural, +1 size)",
       "19, touch 16, flat-footed 14 (+5 Dex, +3 natural, +1 size)"},
      {armor, "16 (+2 Dex, +4 natural), touch 12, flat-footed 14",
       "20 (+4 Dex, +6 natural), touch 14, flat-footed 16"},
      {armor,
       "20 (\xE2\x80\x93"
       "1 size, +11 natural)",
       "24 (\xE2\x80\x93"
       "1 size, +13 natural, +2 Dex)"},
      {armor, "17, touch 12, flat-footed 15", "21, touch 14, flat-footed 17 (+2 Dex, +2 natural)"},
      {armor, "15, flat-footed 12, touch 14 (+1 Dex)",
       "19, flat-footed 14, touch 16 (+3 Dex, +2 natural)"},
      {armor, "-", "-"},
      {[](std::string t) {
         quick::rating(t, 4, 1);
         return t;
       },
       "4 (normal); 6 (x)", "5"},
      {[](std::string t) {
         quick::rating(t, -2, 1);
         return t;
       },
       "1/3", "1/2"},
      {[](std::string t) {
         quick::rating(t, 1, -1);
         return t;
       },
       "1", "1/2"},
      {[](std::string t) {
         quick::rating(t, -5, -1);
         return t;
       },
       "1/8", "1/8"},
      {[](std::string t) {
         quick::rating(t, -6, 1);
         return t;
       },
       "1/10", "1/8"},
      {[](std::string t) {
         quick::rating(t, -1, 2);
         return t;
       },
       "1/2", "2"},
      {[](std::string t) {
         quick::rating(t, 0, 1);
         return t;
       },
       "-", "-"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.rule(c.in), c.out) << c.in;
}

TEST(QuickRulesTest, GroupNamesRatingsAndRefusals) {
  const std::string snake =
      "Constrictor Snake CR 2\nN Medium animal\nInit +3; Senses scent; Perception +12\nAC 15\n"
      "hp 19 (3d8+6)\nFort +5, Ref +6, Will +2\nMelee bite +5 (1d4+4 plus grab)\n"
      "Str 17, Dex 17, Con 12, Int 1, Wis 12, Cha 2\n";
  MonsterGroup group;
  ASSERT_TRUE(group.loadFromText(snake));
  ASSERT_TRUE(
      group.applyTemplates(templateBit(TEMPLATE_FIENDISH) | templateBit(TEMPLATE_ADVANCED)));
  const Monster& monster = group.monsters[0];
  EXPECT_EQ(monster.field(FIELD_NAME), "Advanced Fiendish Constrictor Snake");
  EXPECT_EQ(monster.field(FIELD_CHALLENGE_RATING), "3");
  EXPECT_TRUE(monster.field(FIELD_SPECIAL_QUALITIES).ends_with("SR 8"));
  EXPECT_EQ(monster.field(FIELD_HIT_POINTS), "25 ___");
  EXPECT_EQ(monster.cr, 3);
  EXPECT_EQ(monster.listen, 14);
  EXPECT_EQ(monster.field(FIELD_ABBR_ATTACKS), "bite +7 (1d4+6 plus grab)");

  MonsterGroup entropic;
  ASSERT_TRUE(entropic.loadFromText("Imp\nHit Dice: 3d8\n"));
  ::testing::internal::CaptureStdout();
  EXPECT_FALSE(entropic.applyTemplates(templateBit(TEMPLATE_ENTROPIC)));
  EXPECT_EQ(::testing::internal::GetCapturedStdout(),
            "applyTemplate(): entropic and resolute templates need Pathfinder monsters.\n");
  EXPECT_EQ(entropic.monsters[0].field(FIELD_NAME), "Imp");
}

// Drakes i to last - 1 of a table, side by side.
std::string drakeTable(int first, int last) {
  std::string names, types, dice, attacks, damage, skills;
  for (int i = first; i < last; ++i) {
    const std::string n = std::to_string(i);
    names += "\tDrake " + n;
    types += "\tLarge Dragon";
    dice += "\t" + std::to_string(i % 9 + 1) + "d12+" + std::to_string(i % 7) + " (" + n + " hp)";
    attacks += "\tBite +" + n + (i % 2 ? " melee, spit +1 ranged" : " melee, 2 claws +3 melee");
    damage += "\tBite 2d6+" + std::to_string(i % 5) + ", claw 1d8";
    skills += "\tListen +" + std::to_string(i % 11) + ", Hide -" + n;
  }
  return "Drakes\n" + names + "\n" + types + "\nHit Dice:" + dice + "\nAttacks:" + attacks +
         "\nDamage:" + damage + "\nSkills:" + skills + "\n";
}

// A table's monsters are rewritten in runs; each comes out as it does alone.
TEST(QuickRulesTest, TableMonstersInRunsAsAlone) {
  const unsigned templates = templateBit(TEMPLATE_ADVANCED) | templateBit(TEMPLATE_GIANT) |
                             templateBit(TEMPLATE_CELESTIAL);
  MonsterGroup all;
  ASSERT_TRUE(all.loadFromText(drakeTable(0, 150)));
  ASSERT_EQ(all.count(), 150);
  ASSERT_TRUE(all.applyTemplates(templates));
  for (const int i : {0, 1, 63, 64, 65, 149}) {
    MonsterGroup alone;
    ASSERT_TRUE(alone.loadFromText(drakeTable(i, i + 1)));
    ASSERT_TRUE(alone.applyTemplates(templates));
    for (int p = 0; p < FIELD_COUNT; ++p) {
      EXPECT_EQ(all.monsters[i].field(fieldIdAt(p)), alone.monsters[0].field(fieldIdAt(p))) << i;
    }
    EXPECT_EQ(all.monsters[i].listen, alone.monsters[0].listen) << i;
  }
}

// Monsters the loader leaves unfinished are finished by the templates, whichever are asked for.
TEST(QuickRulesTest, MonstersFinishedAfterTemplates) {
  for (const unsigned templates : {0U, templateBit(TEMPLATE_CELESTIAL),
                                   templateBit(TEMPLATE_ADVANCED) | templateBit(TEMPLATE_GIANT)}) {
    MonsterGroup now;
    MonsterGroup later;
    later.finishOnLoad = false;
    const std::string table = drakeTable(0, 3) +
                              "Initiative:\t+1\t-2\t+3\nAC:\t14\t15\t16\n"
                              "Saves:\tFort +2, Ref +1, Will +0\t\tFort +9, Ref -1, Will +4\n";
    ASSERT_TRUE(now.loadFromText(table) && later.loadFromText(table));
    ASSERT_TRUE(now.applyTemplates(templates) && later.applyTemplates(templates));
    for (int i = 0; i < 3; ++i) {
      const Monster& a = now.monsters[i];
      const Monster& b = later.monsters[i];
      EXPECT_EQ(b.field(FIELD_ABBR_ATTACKS), a.field(FIELD_ABBR_ATTACKS)) << templates;
      EXPECT_EQ(std::tie(b.initiative, b.armorClass, b.cr, b.fortSave, b.refSave, b.willSave),
                std::tie(a.initiative, a.armorClass, a.cr, a.fortSave, a.refSave, a.willSave))
          << templates;
    }
  }
}

}  // namespace
}  // namespace veldarin
