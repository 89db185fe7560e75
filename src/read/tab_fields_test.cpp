#include "read/tab_fields.h"

#include <gtest/gtest.h>

#include <string>

namespace veldarin {
namespace {

TEST(CountFieldsTest, RunsOfTabsSeparateOnce) {
  const struct {
    const char* line;
    std::size_t count;
  } cases[] = {
      {"", 1},    {"a", 1},      {"a\tb\n", 2}, {"a\tb\t\n", 3}, {"a\t\tb", 2},
      {"\ta", 2}, {"\t\t\t", 2}, {"a\t", 2},    {"\n", 1},       {"a\t\t\n", 2},
  };
  for (const auto& c : cases) EXPECT_EQ(countFields(c.line), c.count) << c.line;
}

TEST(CopyFieldTest, CopiesOneFieldWithoutTabOrNewline) {
  const struct {
    const char* line;
    std::size_t n;
    const char* field;
  } cases[] = {
      {"a\tb\n", 0, "a"}, {"a\tb\n", 1, "b"},     {"a\tb\n", 2, ""},  {"a\tb\n", 9, ""},
      {"\ta", 0, ""},     {"\ta", 1, "a"},        {"a\t\tb", 1, "b"}, {"a\tb\t\n", 2, ""},
      {"", 0, ""},        {"ab\r\tc", 0, "ab\r"},
  };
  for (const auto& c : cases) {
    std::string out = "stale";
    copyField(c.line, c.n, out);
    EXPECT_EQ(out, c.field) << c.line << " field " << c.n;
  }
}

TEST(FindFieldTest, NoneWhenNothingFollowsTheSeparator) {
  EXPECT_FALSE(findField("a\tb\t", 2).has_value());
  EXPECT_FALSE(findField("", 0).has_value());
  EXPECT_FALSE(findField("a", 1).has_value());
  EXPECT_EQ(findField("a\tb\t", 1), 2u);
  EXPECT_EQ(findField("a\t\tb", 1), 3u);
  EXPECT_EQ(findField("a\tb\t\n", 2), 4u);
}

TEST(SplitFieldsTest, AgreesWithCopyFieldAndCountFields) {
  const char* lines[] = {"",       "a",          "a\tb\n",    "a\tb\t\n",
                         "a\t\tb", "\ta\t\tb\t", "\t\t\t",    "x\ty\tz\tw\n",
                         "a\n\tb", "\n",         "a\t\t\t\n", "Feats\tAlertness\t\tDodge"};
  for (const char* line : lines) {
    for (std::size_t maxFields = 0; maxFields < 6; ++maxFields) {
      std::vector<std::string_view> fields;
      EXPECT_EQ(splitFields(line, maxFields, fields), countFields(line)) << line;
      EXPECT_EQ(fields.size(), std::min(maxFields, countFields(line))) << line;
      for (std::size_t n = 0; n < fields.size(); ++n) {
        std::string expected;
        copyField(line, n, expected);
        EXPECT_EQ(fields[n], expected) << line << " field " << n;
      }
    }
  }
}

}  // namespace
}  // namespace veldarin
