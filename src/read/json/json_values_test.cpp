#include "read/json/json_values.h"

#include <gtest/gtest.h>

#include <string>

#include "read/json/json_text.h"

namespace veldarin {
namespace {

TEST(JsonValuesTest, WhichFilesAreJson) {
  const struct {
    const char* text;
    bool json;
  } cases[] = {
      {"{\"name\": 1}", true},
      {"\xEF\xBB\xBF", false},
      {" [ \n[{\"fields\"", true},
      {"[[\"Imp\", {", true},
      {"[]", true},
      {"{ \n }", true},
      {"{{frontCover}}", false},
      {"[[Goblin]]", false},
      {"[Goblin]", false},
      {"[[[1", false},
      {"{\n\n", false},
      {"Goblin {\"a\"", false},
  };
  for (const auto& [text, json] : cases) EXPECT_EQ(looksLikeJson(text), json) << text;
}

TEST(JsonValuesTest, ProblemsGiveTheirLine) {
  const struct {
    std::string text;
    std::size_t line;
    const char* problem;
  } cases[] = {
      {"{\"a\":\n}", 2, "a value is expected"},
      {"[1,\n]", 2, "a value is expected"},
      {"{\"a\": NaN}", 1, "a value is expected"},
      {"{\"a\": 1 // note\n}", 1, "a ',' or a closing bracket is expected"},
      {"[1\n\n2]", 3, "a ',' or a closing bracket is expected"},
      {"{\"a\" 1}", 1, "a ':' is expected"},
      {"{\"a\": 1,\n}", 2, "a key in double quotes is expected"},
      {"{\n\"a\": \"open", 2, "a text is not closed"},
      {"{\"a\": \"line\nbreak\"}", 1, "a control character inside a text"},
      {"{\"a\": \"\\x\"}", 1, "an invalid escape"},
      {"{}\n{}", 2, "something after the end of the data"},
      {"[\n" + std::string(63, '[') + "\n[[1", 3, "nesting deeper than 64 levels"},
  };
  for (const auto& [text, line, problem] : cases) {
    JsonValues values;
    JsonProblem found;
    EXPECT_FALSE(readJsonValues(text, values, found)) << text;
    EXPECT_EQ(found.line, line) << text;
    EXPECT_EQ(found.text, problem) << text;
    EXPECT_TRUE(values.empty()) << text;
  }
}

TEST(JsonValuesTest, KeepsNumbersAsTextAndTheLastOfDuplicateKeys) {
  JsonValues values;
  JsonProblem problem;
  ASSERT_TRUE(
      readJsonValues(R"({"a": 1, "b": 10.000, "c": 1e400, "a": 2, "d": null})", values, problem));
  const JsonValues::Index root = values.root();
  EXPECT_EQ(memberText(values, root, "a"), "2");
  EXPECT_EQ(memberText(values, root, "b"), "10");
  EXPECT_EQ(values.text(values.member(root, "c")), "1e400");
  EXPECT_FALSE(values.has(root, "d"));
  EXPECT_EQ(values.children(root).size(), 4u);
  EXPECT_EQ(values.key(values.children(root)[2]), "a");
  EXPECT_EQ(ratingText("0.125"), "1/8");
  EXPECT_EQ(ratingText("0.250"), "1/4");
}

}  // namespace
}  // namespace veldarin
