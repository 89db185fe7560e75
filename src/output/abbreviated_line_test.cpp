#include <gtest/gtest.h>

#include <sstream>

#include "monster/monster.h"

namespace veldarin {
namespace {

// The made-up Grey Lurker, fields as they stand after abbreviation.
Monster greyLurker() {
  Monster monster;
  monster.field(FIELD_NAME) = "Grey Lurker";
  monster.field(FIELD_TYPE) = "Medium Beast";
  monster.field(FIELD_CHALLENGE_RATING) = "2";
  monster.field(FIELD_HIT_DICE) = "3d10+6";
  monster.field(FIELD_HIT_POINTS) = "22 ___";
  monster.field(FIELD_INITIATIVE) = "+2";
  monster.field(FIELD_SPEED) = "40 ft.";
  monster.field(FIELD_AC) = "14";
  monster.field(FIELD_ABBR_ATTACKS) = "bite +4 (1d6)";
  monster.field(FIELD_SPECIAL_QUALITIES) = "scent";
  monster.field(FIELD_ALIGNMENT) = "Always neutral";
  monster.field(FIELD_SAVES) = "Fort +5, Ref +5, Will +2";
  monster.field(FIELD_ABILITIES) = "Str 15, Dex 14, Con 15, Int 2, Wis 12, Cha 6";
  monster.field(FIELD_SKILLS) = "Hide +4";
  return monster;
}

std::string written(Monster monster) {
  std::ostringstream file;
  monster.printAbbreviated(file);
  return file.str();
}

TEST(PrintAbbreviatedTest, GreyLurker) {
  EXPECT_EQ(written(greyLurker()),
            "\nGrey Lurker: Medium Beast; CR 2; HD 3d10+6; hp 22 ___; Init +2; Spd 40 ft.; AC 14; "
            "Atks bite +4 (1d6); SQ scent; AL N; SV Fort +5, Ref +5, Will +2.\n"
            "\tStr 15, Dex 14, Con 15, Int 2, Wis 12, Cha 6.\n"
            "\tSkills and Feats: Hide +4.\n");
}

TEST(PrintAbbreviatedTest, SkillsAndFeatsLine) {
  const struct {
    const char* skills;
    const char* feats;
    const char* line;
  } cases[] = {
      {"Hide +4", "Alertness", "\tSkills and Feats: Hide +4; Alertness.\n"},
      {"", "Alertness", "\tSkills and Feats: Alertness.\n"},
      {"-", "Alertness", "\tSkills and Feats: Alertness.\n"},
      {"Hide +4", "-", "\tSkills and Feats: Hide +4.\n"},
      {"", "", ""},
      {"-", "-", ""},
  };
  for (const auto& c : cases) {
    Monster monster = greyLurker();
    monster.field(FIELD_SKILLS) = c.skills;
    monster.field(FIELD_FEATS) = c.feats;
    const std::string text = written(monster);
    const std::string abilities = "Cha 6.\n";
    EXPECT_EQ(text.substr(text.find(abilities) + abilities.size()), c.line) << c.skills << c.feats;
  }
}

TEST(PrintAbbreviatedTest, EntriesAndSeparators) {
  Monster empty;
  EXPECT_EQ(written(empty), "\n: ; .\n\t.\n");

  Monster savesOnly;
  savesOnly.field(FIELD_NAME) = "N";
  savesOnly.field(FIELD_TYPE) = "T";
  savesOnly.field(FIELD_SAVES) = "Fort +1.";
  savesOnly.field(FIELD_SPECIAL_ATTACKS) = "-";
  savesOnly.field(FIELD_FACE_REACH) = "5 ft. by 5 ft./5 ft.";
  EXPECT_EQ(written(savesOnly), "\nN: T; SV Fort +1..\n\t.\n");

  Monster spaced;
  spaced.field(FIELD_SPEED) = " ";
  spaced.field(FIELD_FACE_REACH) = "5 ft. by 10 ft./10 ft.";
  spaced.field(FIELD_SPECIAL_ATTACKS) = "Rend";
  EXPECT_EQ(written(spaced), "\n: ; Spd  ; Face/Reach 5x10 ft./10 ft.; SA Rend.\n\t.\n");
}

TEST(PrintAbbreviatedTest, BaseAttackAndGrapple) {
  const struct {
    const char* baseAttack;
    const char* entries;
  } cases[] = {
      {"+2/+4", "AC 14; Base Atk +2; Grp +4; Atks"},
      {"+3/\xE2\x80\x94", "AC 14; Base Atk +3; Grp \xE2\x80\x94; Atks"},
      {"+1", "AC 14; Base Atk +1; Atks"},
      {"/", "AC 14; Base Atk ; Grp ; Atks"},
      {"", "AC 14; Atks"},
  };
  for (const auto& c : cases) {
    Monster monster = greyLurker();
    monster.field(FIELD_BASE_ATTACK) = c.baseAttack;
    EXPECT_NE(written(monster).find(c.entries), std::string::npos) << c.baseAttack;
  }
}

TEST(PrintAbbreviatedTest, LongTextsAreWrittenWhole) {
  Monster monster = greyLurker();
  const std::string qualities(3000, 'q');
  monster.field(FIELD_SPECIAL_QUALITIES) = qualities;
  EXPECT_NE(written(monster).find("; SQ " + qualities + "; AL N;"), std::string::npos);
}

}  // namespace
}  // namespace veldarin
