#include "read/markup/markup_text.h"

#include <gtest/gtest.h>

#include <string>

#include "read/line_reader.h"
#include "read/markup/inline_text.h"
#include "read/text_source.h"

namespace veldarin {
namespace {

std::string plainOf(const std::string& markup) {
  MemorySource source(markup);
  LineReader reader(source);
  MarkupText plain;
  EXPECT_TRUE(readMarkup(reader, plain));
  return plain.text;
}

bool isMarkup(const std::string& text) {
  MemorySource source(text);
  LineReader reader(source);
  MarkupDetector detector;
  std::string line;
  while (reader.readLine(line)) detector.see(line);
  return detector.found();
}

TEST(MarkupTest, Recognition) {
  const struct {
    const char* text;
    bool markup;
  } cases[] = {
      {"---\nname: x\n---\n", true},
      {"> - **Armor Class** 15\n", true},
      {"_**Bite.**_ Melee\n", true},
      {"** See below\n", false},
      {"**Armor Class 15\n", false},
      {"```statblock\n", true},
      {"{{monster,frame\n", true},
      {"| a | b |\n| c | d |\n", true},
      {"| a | b |\nx\n| c | d |\n", false},
      {"AC 15<BR>hp 7\n", true},
      {"Hit Dice:\t1d8\nAC: 15 (+1 size)\n---\n", false},
      {"Goblin CR 1/3\nXP 135\n", false},
  };
  for (const auto& c : cases) EXPECT_EQ(isMarkup(c.text), c.markup) << c.text;
}

TEST(MarkupTest, LinesAsTheRenderedPageReadsThem) {
  const struct {
    const char* markup;
    const char* plain;
  } cases[] = {
      {">- **Armor Class** 14\n", "Armor Class 14\n"},
      {"### Actions ###\n", "Actions\n"},
      {"> ## Goblin\n>\n>*Small humanoid*\n", "Goblin\n\nSmall humanoid\n"},
      {"---\ntags: [x]\n...\nGoblin\n", "Goblin\n"},
      {"```ad-statblock\ntitle: Goblin\n- AC 15\n```\n^statblock\n", "Goblin\nAC 15\n"},
      {"```statblock\nname: x\n```\nAfter\n", "After\n"},
      {"~~~~\n~~~\n- a\n~~~~ \nb\n", "a\nb\n"},
      {"{{monster,frame,wide\n:\n}}\n\\page\n___\n* * *\n[!note] x\n%% y\n", ""},
      {"<div class='pageNumber auto'></div>\n\n", "\n"},
      {"![a](b.png) {width:9px}Bite ![[token.png]]\n", "Bite\n"},
      {"[Stealth](skills.md) +6, [[c/Flat-Footed|_flat-footed_]], [[a/Foo#b]]\n",
       "Stealth +6, flat-footed, Foo\n"},
      {"_Large aberration_, flat_footed, ***Bite***. `2d6` $+5$ \\*not\\* \\n\n",
       "Large aberration, flat_footed, Bite. 2d6 +5 *not* \\n\n"},
      {"**Armor Class** :: 15 ^abc-1\n", "Armor Class 15\n"},
      {"AC 12<br>HP 7<BR/>\n", "AC 12\nHP 7\n"},
      {"&mdash; &#8722;1 &#x2014; &lt;br&gt; &bogus; &#0;\n",
       "\xE2\x80\x94 \xE2\x88\x92"
       "1 \xE2\x80\x94 <br> &bogus; &#0;\n"},
      {"  Gargantuan   dragon, chaotic good  \\\n", "Gargantuan dragon, chaotic good\n"},
      {"HP7  $(3\\mathrm{d}6 - 3)$ \\text{x \\mathrm{\n", "HP7 (3d6 - 3) \\text{x \\mathrm{\n"},
      {"[open [[no close ![ <no tag &amp\n", "[open [[no close ![ <no tag &amp\n"},
      {"|   | Barghest | Greater Barghest | |  |\n", "\tBarghest\tGreater Barghest\n"},
      {"| STR | DEX |\n|:--:|:--:|\n| 8 (-1) | -- |\n", "STR\tDEX\n8 (-1)\t\xE2\x80\x94\n"},
      {"| a\\|b | [[x\\|y]] |\n| | |\n", "a|b\ty\n"},
      {"<table><tr><td>STR</td><td>8<br>x</td><td></td></tr>\n<tr><th>A</th>\n<td>1</td></tr>\n",
       "STR\t8 x\nA\t1\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(plainOf(c.markup), c.plain) << c.markup;
}

TEST(MarkupTest, TablesAndTheLinesThatNameThem) {
  MemorySource source("GIANT ANT\n\n| Hit Dice: | 1d8 |\n| AC: | 15 |\nprose\n\n| a |\n");
  LineReader reader(source);
  MarkupText plain;
  ASSERT_TRUE(readMarkup(reader, plain));
  ASSERT_EQ(plain.tables.size(), 2u);
  const auto text = [&](std::size_t begin, std::size_t end) {
    return plain.text.substr(begin, end - begin);
  };
  EXPECT_EQ(text(plain.tables[0].nameBegin, plain.tables[0].nameEnd), "GIANT ANT");
  EXPECT_EQ(text(plain.tables[0].rowsBegin, plain.tables[0].rowsEnd), "Hit Dice:\t1d8\nAC:\t15\n");
  EXPECT_EQ(text(plain.tables[1].nameBegin, plain.tables[1].nameEnd), "prose");
}

// A million openers that never close must cost one pass, not one pass each.
TEST(MarkupTest, UnclosedOpenersStayLinear) {
  for (const char* opener : {"[", "![", "[[", "<a", "&", "[x]("}) {
    std::string line;
    for (int i = 0; i < 200000; ++i) line += opener;
    EXPECT_EQ(inlineLine(line).size(), line.size()) << opener;
  }
}

}  // namespace
}  // namespace veldarin
