#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "monster/monster.h"
#include "read/text_source.h"
#include "support/scratch_dir.h"
#include "support/windows_text.h"

namespace veldarin {
namespace {

using veldarin::testing::ScratchDir;

// Loads the text as a file and keeps what the loader printed.
struct Load {
  explicit Load(const std::string& content) {
    const std::string path = dir.write("monster.txt", content);
    ::testing::internal::CaptureStdout();
    ok = group.loadFromFile(path);
    output = ::testing::internal::GetCapturedStdout();
  }
  const std::string& text(int monster, FieldId id) const {
    return group.monsters[monster].field(id);
  }

  ScratchDir dir;
  MonsterGroup group;
  bool ok = false;
  std::string output;
};

const char* const TWO_ELEMENTALS =
    "Elemental\n"
    "\tSmall\tMedium\n"
    "\tSmall Elemental\tMedium Elemental\n"
    "Hit Dice:\t2d8 (9 hp)\t4d8 (18 hp)\n"
    "Attacks:\tSlam +3 melee\tSlam +5 melee\n"
    "Damage:\tSlam 1d6\tSlam 1d8+1\n"
    "Challenge Rating:\t1/2\t3\n";

TEST(LoaderTest, TableLayoutNamesTypesAndRows) {
  const Load load(TWO_ELEMENTALS);
  ASSERT_TRUE(load.ok);
  EXPECT_EQ(load.output, "");
  EXPECT_EQ(load.group.count(), 2);
  EXPECT_EQ(load.text(0, FIELD_NAME), "Elemental, Small");
  EXPECT_EQ(load.text(1, FIELD_NAME), "Elemental, Medium");
  EXPECT_EQ(load.text(0, FIELD_TYPE), "Small Elemental");
  EXPECT_EQ(load.text(1, FIELD_HIT_DICE), "4d8 (18 hp)");
  EXPECT_EQ(load.text(0, FIELD_HIT_POINTS), "___");
  EXPECT_EQ(load.text(1, FIELD_ABBR_ATTACKS), "slam +5 (1d8+1)");
  EXPECT_EQ(load.group.monsters[0].cr, -1);
  EXPECT_EQ(load.group.monsters[1].hitDice, 4);
}

TEST(LoaderTest, TableLayoutLineRules) {
  const struct {
    const char* name;
    std::string content;
    int monster;
    FieldId id;
    const char* expected;
  } cases[] = {
      {"no group name", "\n\tA\tB\n\tT1\tT2\n", 1, FIELD_NAME, "B"},
      {"empty name column", "G\n\t\t\n\tT1\tT2\n", 0, FIELD_NAME, "G, "},
      {"optional short line", "G\n\tA\tB\n\n\tT1\tT2\n", 1, FIELD_TYPE, "T2"},
      {"two short lines", "G\n\tA\tB\n\n\n\tT1\tT2\nFeats\tx\ty\n", 0, FIELD_TYPE, ""},
      {"type line after two blanks is a row", "G\n\tA\tB\n\n\n\tT1\tT2\nFeats\tx\ty\n", 0,
       FIELD_FEATS, "x"},
      {"run of tabs", "G\n\tA\tB\n\tT1\tT2\nFeats\tAlertness\t\tDodge\n", 1, FIELD_FEATS, "Dodge"},
      {"short row", "G\n\tA\tB\n\tT1\tT2\nFeats\tAlertness\n", 1, FIELD_FEATS, ""},
      {"continuation", "G\n\tA\tB\n\tT1\tT2\nFeats:\tAlertness,\tDodge,\n\tTrack\tToughness\n", 1,
       FIELD_FEATS, "Dodge, Toughness"},
      {"blank line marks the row", "G\n\tA\tB\n\tT1\tT2\nFeats:\tx\ty\n\n\tz\tw\n", 0, FIELD_FEATS,
       "x ..."},
      {"wrong width marks the row", "G\n\tA\tB\n\tT1\tT2\nFeats:\tx\ty\nmore\n", 1, FIELD_FEATS,
       "y ..."},
      {"short row after text", "G\n\tA\tB\n\tT1\tT2\nFeats\tx\ty\nFeats\tz\n", 1, FIELD_FEATS,
       "y "},
      {"marked again after text", "G\n\tA\tB\n\tT1\tT2\nFeats\tx\ty\n\nFeats\tz\n\n", 0,
       FIELD_FEATS, "x ... z ..."},
      {"mark not repeated", "G\n\tA\tB\n\tT1\tT2\nFeats\tx\ty\n\nFeats\tz\n\n", 1, FIELD_FEATS,
       "y ... "},
      {"mark on an empty row", "G\n\tA\tB\n\tT1\tT2\nFeats\tx\n\n", 1, FIELD_FEATS, "..."},
      {"unlabelled lines before any row", "G\n\tA\tB\n\tT1\tT2\n\tz\tw\nFeats\tx\ty\n", 0,
       FIELD_FEATS, "x"},
      {"later Name row", "G\n\tA\tB\n\tT1\tT2\nName\tthe First\tthe Second\n", 0, FIELD_NAME,
       "G, A the First"},
      {"later Name row after empty column", "G\n\t\t\n\tT1\tT2\nName\tX\tY\n", 0, FIELD_NAME,
       "G, X"},
      {"cut at tilde", "G\n\tA\tB\n\tT1\tT2\nAttacks\tGore +5 melee ~ 2 gores\t~x\n", 0,
       FIELD_ATTACKS, "Gore +5 melee"},
      {"field starting with tilde", "G\n\tA\tB\n\tT1\tT2\nAttacks\tx\t~x\n", 1, FIELD_ATTACKS, ""},
      {"only one space before tilde", "G\n\tA\tB\n\tT1\tT2\nFeats\tx  ~y\tz\n", 0, FIELD_FEATS,
       "x "},
      {"hit points", "G\n\tA\tB\n\tT1\tT2\nHit Points\t22\t9 \n", 0, FIELD_HIT_POINTS, "22 ___"},
      {"hit points ending in space", "G\n\tA\tB\n\tT1\tT2\nHit Points\t22\t9 \n", 1,
       FIELD_HIT_POINTS, "9 ___"},
      {"trailing tab widens the table", "G\n\tA\tB\t\n\tT1\tT2\n", 2, FIELD_NAME, "G, "},
      {"CRLF line ends", "G\r\n\tA\tB\r\n\tT1\tT2\r\nFeats\tx\ty\r\n", 1, FIELD_FEATS, "y"},
      {"inner carriage return stays", "G\n\tA\tB\n\tT1\tT2\nFeats\tx\ry\tz\n", 0, FIELD_FEATS,
       "x\ry"},
      {"no trailing newline", "G\n\tA\tB\n\tT1\tT2\nFeats\tx\ty", 1, FIELD_FEATS, "y"},
  };
  for (const auto& c : cases) {
    const Load load(c.content);
    EXPECT_TRUE(load.ok) << c.name;
    EXPECT_EQ(load.text(c.monster, c.id), c.expected) << c.name;
  }
}

TEST(LoaderTest, SingleBlockLayout) {
  const struct {
    const char* name;
    std::string rows;
    FieldId id;
    const char* expected;
  } cases[] = {
      {"value after colon", "AC: 15 (+1 size)\n", FIELD_AC, "15 (+1 size)"},
      {"colon without space", "AC:15\n", FIELD_AC, "5"},
      {"continuation appended whole", "Feats: Alertness\nDodge: yes\n", FIELD_FEATS,
       "Alertness Dodge: yes"},
      {"blank line adds one space", "Feats: Alertness\n\n\n", FIELD_FEATS, "Alertness "},
      {"same label twice", "Feats: Alertness\nFeats: Dodge\n", FIELD_FEATS,
       "Alertness Feats: Dodge"},
      {"colon last", "Feats:\n", FIELD_FEATS, ""},
      {"colon next to last", "Feats:x\n", FIELD_FEATS, ""},
      {"no colon", "Speed 30 ft.\n", FIELD_SPEED, "30 ft."},
      {"no colon, spaces", "Speed    30 ft.\n", FIELD_SPEED, "30 ft."},
      {"label alone", "Speed\n", FIELD_SPEED, ""},
      {"leading spaces prevent a label", "Feats: a\n  Speed: 30\n", FIELD_FEATS, "a   Speed: 30"},
  };
  for (const auto& c : cases) {
    const Load load("Grey Lurker\nMedium Beast\n" + c.rows);
    ASSERT_TRUE(load.ok) << c.name;
    EXPECT_EQ(load.group.count(), 1);
    EXPECT_EQ(load.text(0, FIELD_NAME), "Grey Lurker") << c.name;
    EXPECT_EQ(load.text(0, FIELD_TYPE), "Medium Beast") << c.name;
    EXPECT_EQ(load.text(0, c.id), c.expected) << c.name;
  }
}

// 3.5 rows in a two-column table (checked in column B) or a single block.
TEST(LoaderTest, Edition35Rows) {
  const struct {
    const char* name;
    bool table;
    std::string rows;
    FieldId id;
    const char* expected;
  } cases[] = {
      {"armor class", true, "Armor Class:\t15\t16 (+4 natural)\n", FIELD_AC, "16 (+4 natural)"},
      {"environment", true, "Environment:\tx\tWarm marshes\n", FIELD_CLIMATE_TERRAIN,
       "Warm marshes"},
      {"base attack", true, "Base Attack/Grapple:\t+1/-3\t+2/+4\n", FIELD_BASE_ATTACK, "+2/+4"},
      {"space as face", true, "Space/Reach:\t5 ft./5 ft.\t15 ft./10 ft.\n", FIELD_FACE_REACH,
       "15 ft. by 15 ft./10 ft."},
      {"fractional space", true, "Space/Reach:\tx\t2-1/2 ft./0 ft.\n", FIELD_FACE_REACH,
       "2-1/2 ft. by 2-1/2 ft./0 ft."},
      {"space with words", true, "Space/Reach:\tx\tTiny 5 ft./5 ft.\n", FIELD_FACE_REACH,
       "Tiny 5 ft./5 ft."},
      {"full attack wins", true,
       "Full Attack:\tx\tBite +2 melee (1d4) and 2 claws +0 melee (1d3)\nAttack:\tx\tClaw\n",
       FIELD_DAMAGE, "Bite 1d4, claws 1d3"},
      {"attack alone", true, "Attack:\tx\tClaw +1 melee (1d3)\n", FIELD_ATTACKS, "Claw +1 melee"},
      {"continued attack", true,
       "Full Attack:\tx\tBite +2 melee (1d4) and\n\ty\tclaw +0 melee (1d3)\n", FIELD_ATTACKS,
       "Bite +2 melee, claw +0 melee"},
      {"marked attack", true, "Full Attack:\tx\tBite +2 melee (1d4)\nmore\n", FIELD_ATTACKS,
       "Bite +2 melee ..."},
      {"absent entry", true,
       "Special Attacks:\t\xE2\x80\x94\t\xE2\x80\x94\nLevel Adjustment:\t+1\t+2\n",
       FIELD_SPECIAL_ATTACKS, "-"},
      {"3.0 table keeps its dash", true, "Special Attacks:\t\xE2\x80\x94\t\xE2\x80\x94\n",
       FIELD_SPECIAL_ATTACKS, "\xE2\x80\x94"},
      {"level adjustment dropped", true, "Feats:\ta\tb\nLevel Adjustment:\t+2\t+3\n\tc\td\nnote\n",
       FIELD_FEATS, "b"},
      {"block value", false, "Full Attack: Bite +2 melee (1d4)\n", FIELD_DAMAGE, "Bite 1d4"},
      {"tilde in attack", false, "Attack: Bite +2 melee (1d4) ~ 2 bites\n", FIELD_ATTACKS,
       "Bite +2 melee"},
      {"no colon, no row", false, "Feats: Improved Natural\nAttack; Great Fortitude\n", FIELD_FEATS,
       "Improved Natural Attack; Great Fortitude"},
  };
  for (const auto& c : cases) {
    const Load load((c.table ? "G\n\tA\tB\n\tT1\tT2\n" : "Lurker\nBeast\n") + c.rows);
    ASSERT_TRUE(load.ok) << c.name;
    EXPECT_EQ(load.text(c.table ? 1 : 0, c.id), c.expected) << c.name;
  }
}

TEST(LoaderTest, SingleBlockShortLineBeforeType) {
  const Load load("Grey Lurker\n\nMedium Beast\nSpeed: 40 ft.\n");
  ASSERT_TRUE(load.ok);
  EXPECT_EQ(load.text(0, FIELD_TYPE), "Medium Beast");
  EXPECT_EQ(load.group.monsters[0].speed, 40);
}

TEST(LoaderTest, FailuresAndTheirMessages) {
  const struct {
    const char* name;
    std::string content;
    const char* output;
  } cases[] = {
      {"empty file", "", "loadFromFile(): found no data.\n"},
      {"one blank line", "\n", ""},
      {"ends before the name line", "Group\tx\n", ""},
      {"ends before the type line", "Group\n\tA\tB\n", ""},
      {"ends after the short line", "Group\n\tA\tB\n\n", ""},
      {"single block without type", "Grey Lurker\n", ""},
  };
  for (const auto& c : cases) {
    const Load load(c.content);
    EXPECT_FALSE(load.ok) << c.name;
    EXPECT_EQ(load.output, c.output) << c.name;
  }
}

TEST(LoaderTest, UnopenablePaths) {
  ScratchDir dir;
  for (const std::string& path : {dir.file("missing.txt"), dir.path().string(), std::string()}) {
    MonsterGroup group;
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(group.loadFromFile(path)) << path;
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "loadFromFile(): unable to open file.\n")
        << path;
  }
}

// Fails every read after the first `good` bytes, and the rewind when asked to.
class FailingSource : public MemorySource {
 public:
  FailingSource(std::string_view text, std::size_t good, bool rewindFails)
      : MemorySource(text), good_(good), rewindFails_(rewindFails) {}
  std::size_t read(char* buffer, std::size_t size) override {
    const std::size_t got = MemorySource::read(buffer, std::min(size, good_ - given_));
    given_ += got;
    failed_ = got == 0 && given_ == good_;
    return got;
  }
  bool failed() const override { return failed_; }
  bool rewind() override { return !rewindFails_ && MemorySource::rewind(); }
  bool wholeText(std::string_view&) const override { return false; }

 private:
  std::size_t good_;
  std::size_t given_ = 0;
  bool rewindFails_;
  bool failed_ = false;
};

TEST(LoaderTest, ReadErrorsAreReported) {
  const std::string table = TWO_ELEMENTALS;
  const struct {
    const char* name;
    std::size_t good;
    bool rewindFails;
  } cases[] = {
      {"first pass", 20, false},
      {"second pass, head", table.size() + 20, false},
      {"second pass, rows", table.size() + 60, false},
      {"rewind", std::string::npos, true},
  };
  for (const auto& c : cases) {
    FailingSource source(table, c.good, c.rewindFails);
    MonsterGroup group;
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(group.loadFromSource(source)) << c.name;
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "loadFromFile(): error reading file.\n")
        << c.name;
  }
}

TEST(LoaderTest, MarkedTablesLoadLikePlainOnes) {
  const std::string plain = TWO_ELEMENTALS;
  for (const std::string& marked : {"\xEF\xBB\xBF" + plain, testing::unicodeFile(plain)}) {
    MonsterGroup group;
    ASSERT_TRUE(group.loadFromText(marked));
    EXPECT_EQ(group.monsters[0].field(FIELD_NAME), "Elemental, Small");
    EXPECT_EQ(group.monsters[1].field(FIELD_ABBR_ATTACKS), "slam +5 (1d8+1)");
  }
}

TEST(LoaderTest, EveryColumnIsRead) {
  std::string content = "G\n";
  for (const char* row : {"", "Feats"}) {
    content += row;
    for (int i = 1; i <= 10; ++i) content += "\tM" + std::to_string(i);
    content += "\n";
    if (*row == '\0') content += "\tT\tT\tT\tT\tT\tT\tT\tT\tT\tT\n";
  }
  content += "\tc1\tc2\tc3\tc4\tc5\tc6\tc7\tc8\tc9\tc10\n";
  const Load load(content);
  ASSERT_TRUE(load.ok);
  EXPECT_EQ(load.output, "");
  EXPECT_EQ(load.group.count(), 10);
  EXPECT_EQ(load.text(9, FIELD_NAME), "G, M10");
  EXPECT_EQ(load.text(9, FIELD_FEATS), "M10 c10");
}

// Each markup table is read as a file of its own; tables without stat rows give nothing.
TEST(LoaderTest, MarkupTablesEachReadAlone) {
  const Load load(
      "# Vermin\n\nGIANT ANT\n\n| | Worker | Queen |\n| | Medium Vermin | Large Vermin |\n"
      "| Hit Dice: | 2d8 | 4d8 |\nprose\n\n| d% | Roll |\n| 01-50 | Hit Dice: x |\n\nAPE\n"
      "| | Large Animal |\n|---|---|\n| Hit Dice: | 4d8 |\n");
  ASSERT_TRUE(load.ok) << load.output;
  ASSERT_EQ(load.group.count(), 3);
  EXPECT_EQ(load.text(0, FIELD_NAME), "GIANT ANT, Worker");
  EXPECT_EQ(load.text(1, FIELD_HIT_DICE), "4d8");
  EXPECT_EQ(load.text(2, FIELD_NAME), "APE, APE");
  EXPECT_EQ(load.text(2, FIELD_TYPE), "Large Animal");
  for (const char* type : {"Medium-Size Construct (Lawful)", "MEDIUM", "large"}) {
    const Load sized(std::string("GOLEM\n| | ") + type +
                     " | |\n|---|---|---|\n| Hit Dice: | 38d10 | |\n");
    EXPECT_EQ(sized.text(0, FIELD_NAME), "GOLEM, GOLEM") << type;
    EXPECT_EQ(sized.text(0, FIELD_TYPE), type) << type;
    EXPECT_EQ(sized.text(0, FIELD_HIT_DICE), "38d10") << type;
  }
  EXPECT_EQ(Load("**x**\n| a\t| b |\n| c | d |\n").output, "loadFromFile(): found no data.\n");
  EXPECT_EQ(Load("---\nx: 1\n---\n").output, "loadFromFile(): found no data.\n");
}

// Notes open a Pathfinder block with its XP line under a bare heading, blank lines inside.
TEST(LoaderTest, PathfinderBlocksOpenedByTheirAward) {
  const Load load(
      "Goblin Dog\nA dog.\n\nSource B1\nXP 1,200\nN Medium animal\nAC 13\n\nhp 9 (1d8+5)\n"
      "Description\nSpeed 90 ft.\nWolf.\nBig Wolf\nLore.\nXP 7\nAC 2\nhp 1\n");
  ASSERT_TRUE(load.ok) << load.output;
  ASSERT_EQ(load.group.count(), 2);
  EXPECT_EQ(load.text(0, FIELD_NAME), "Goblin Dog");
  EXPECT_EQ(load.text(0, FIELD_CHALLENGE_RATING), "4");
  EXPECT_EQ(load.text(0, FIELD_HIT_DICE), "1d8+5 (9 hp)");
  EXPECT_EQ(load.text(0, FIELD_SPEED), "");
  EXPECT_EQ(load.text(1, FIELD_NAME), "Big Wolf");
  EXPECT_EQ(load.text(1, FIELD_CHALLENGE_RATING), "-");
}

// A brew's rating in its heading is no Pathfinder title without Pathfinder's "hp " line.
TEST(LoaderTest, FifthEditionBrewWithRatingInHeading) {
  const Load load(
      "## Goblin Chief CR 2\n*Small humanoid, neutral evil*\n**Armor Class** 17\n"
      "**Hit Points** 21 (6d6)\n| STR | DEX | CON | INT | WIS | CHA |\n|-|-|-|-|-|-|\n"
      "| 10 (+0) | 14 (+2) | 10 (+0) | 10 (+0) | 8 (-1) | 10 (+0) |\n");
  ASSERT_TRUE(load.ok) << load.output;
  EXPECT_EQ(load.text(0, FIELD_NAME), "Goblin Chief CR 2");
  EXPECT_TRUE(load.group.monsters[0].fifthEditionBlock);
}

// Statblock notes: only their statblocks are read, and YAML problems name the file's line.
TEST(LoaderTest, StatblockNotes) {
  const std::string goblin = "name: Goblin\nsize: Small\ntype: humanoid\nac: 15\nhp: 7\n";
  const struct {
    std::string content;
    const char* name;  // of the first monster, or what the loader printed
  } cases[] = {
      {"# Lore\n**AC** 3\n```statblock\n" + goblin + "```\n", "Goblin"},
      {"---\nstatblock: TRUE\n" + goblin + "---\n```statblock\nmonster: Goblin\n```\n", "Goblin"},
      {"---\nstatblock: inline\n" + goblin + "---\n```statblock\nmonster: x\n```\n",
       "loadFromFile(): found no data.\n"},
      {"---\nstatblock: true\nname: [\n---\n  ```statblock\n    name: Rat\n      \n    hp: 1\n"
       "    size: Tiny\n    type: beast\n    ac: 12\n",
       "Rat"},
      {"> [!note]\n> ```statblock\n> name: Imp\n>   # indented\n> type: Tiny fiend\n> ac: 13\n> "
       "hp: 1\n"
       "> ```\n",
       "Imp"},
      {"x\n```statblock\nname: a\n\ndesc: a: b\n```\n",
       "loadFromFile(): cannot read the statblock on line 5: mapping values are not allowed in "
       "this "
       "context\n"},
  };
  for (const auto& c : cases) {
    const Load load(c.content);
    EXPECT_EQ(load.ok ? load.text(0, FIELD_NAME) : load.output, c.name) << c.content;
  }
}

// Tools' JSON is told before markup, which its texts hold; a file that only looks like it is
// read as before.
TEST(LoaderTest, ToolJson) {
  const std::string goblin =
      R"j({"name": "Goblin <br> **X**", "type": "Small humanoid", "ac": 15, "hp": 7})j";
  const std::string block = "\n```statblock\nname: Imp\ntype: Tiny fiend\nac: 13\nhp: 1\n```\n";
  const struct {
    std::string content;
    const char* name;  // of the first monster, or what the loader printed
  } cases[] = {
      {"\xEF\xBB\xBF\n[\n[\"Goblin\", " + goblin + "]]", "Goblin X"},
      {"{\"monsters\": [" + goblin + ",\n" + goblin + "]",
       "loadFromFile(): cannot read the JSON on line 2: a ',' or a closing bracket is expected\n"},
      {"[]", "loadFromFile(): found no data.\n"},
      {"[Imp]" + block, "Imp"},
      {"{{frontCover}}" + block, "Imp"},
  };
  for (const auto& c : cases) {
    const Load load(c.content);
    EXPECT_EQ(load.ok ? load.text(0, FIELD_NAME) : load.output, c.name) << c.content;
  }
}

TEST(LoaderTest, LongLinesAreReadWhole) {
  const std::string longValue(100'000, 'x');
  const Load table("G\n\tA\tB\n\tT1\tT2\nFeats\t" + longValue + "\ty\nSkills\ts\tt\n");
  ASSERT_TRUE(table.ok);
  EXPECT_EQ(table.text(0, FIELD_FEATS), longValue);
  EXPECT_EQ(table.text(1, FIELD_FEATS), "y");
  EXPECT_EQ(table.text(1, FIELD_SKILLS), "t");

  const Load block("Lurker\nBeast\nFeats: " + longValue + "\r\nSkills: s\n");
  ASSERT_TRUE(block.ok);
  EXPECT_EQ(block.text(0, FIELD_FEATS), longValue);
  EXPECT_EQ(block.text(0, FIELD_SKILLS), "s");
}

TEST(CutFieldAtTildeTest, CutsBeforeFirstTilde) {
  const struct {
    const char* before;
    const char* after;
  } cases[] = {
      {"Gore +5 melee ~ more", "Gore +5 melee"},
      {"~x", ""},
      {"a  ~b", "a "},
      {"a~b~c", "a"},
      {"plain", "plain"},
      {"", ""},
      {" ~", ""},
  };
  for (const auto& c : cases) {
    Monster monster;
    monster.field(FIELD_SKILLS) = c.before;
    monster.cutFieldAtTilde(FIELD_SKILLS);
    EXPECT_EQ(monster.field(FIELD_SKILLS), c.after) << c.before;
  }
}

TEST(ColumnIndexTest, SingleBlockUsesTheWholeLine) {
  EXPECT_EQ(MonsterGroup::columnIndex(1, 0), 0u);
  EXPECT_EQ(MonsterGroup::columnIndex(2, 0), 1u);
  EXPECT_EQ(MonsterGroup::columnIndex(9, 7), 8u);
}

}  // namespace
}  // namespace veldarin
