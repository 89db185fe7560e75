#include "read/to_int.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace veldarin {
namespace {

TEST(ToIntTest, ReadsLeadingNumber) {
  const struct {
    std::string text;
    std::size_t pos;
    int value;
  } cases[] = {
      {"", 0, 0},
      {"abc", 0, 0},
      {"1d8 (4 hp)", 0, 1},
      {"+2 (Dex)", 0, 2},
      {" \t\n\v\f\r-7x", 0, -7},
      {"+", 0, 0},
      {"- 3", 0, 0},
      {"--3", 0, 0},
      {"Fort +3", 4, 3},
      {"\xE2\x80\x93"
       "5",
       0, -5},
      {"Ref \xE2\x88\x92"
       "12",
       3, -12},
      {"\xE2\x80", 0, 0},
      {"\xE2\x80\x94"
       "5",
       0, 0},
      {"Fort", 4, 0},
      {"Fort", 9, 0},
      {"2147483647", 0, INT_MAX},
      {"2147483648", 0, INT_MAX},
      {"-2147483648", 0, INT_MIN},
      {"-2147483649", 0, INT_MIN},
      {"4294967297", 0, INT_MAX},
      {std::string(5000, '9'), 0, INT_MAX},
      {"-" + std::string(5000, '9'), 0, INT_MIN},
      {std::string(5000, '0') + "12", 0, 12},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(toInt(c.text, c.pos), c.value) << "'" << c.text.substr(0, 40) << "' at " << c.pos;
  }
}

TEST(SaturatingAddTest, StaysInRange) {
  EXPECT_EQ(saturatingAdd(2, 3), 5);
  EXPECT_EQ(saturatingAdd(INT_MAX, 2), INT_MAX);
  EXPECT_EQ(saturatingAdd(INT_MIN, -2), INT_MIN);
  EXPECT_EQ(saturatingAdd(INT_MAX, INT_MIN), -1);
}

}  // namespace
}  // namespace veldarin
