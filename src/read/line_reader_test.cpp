#include "read/line_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace veldarin {
namespace {

// Hands out one byte a read, so every code unit and mark is split between reads.
class TrickleSource : public MemorySource {
 public:
  using MemorySource::MemorySource;
  std::size_t read(char* buffer, std::size_t) override { return MemorySource::read(buffer, 1); }
  bool wholeText(std::string_view&) const override { return false; }
};

std::string readAll(LineReader& reader) {
  std::string all;
  std::string line;
  while (reader.readLine(line)) all += line + "|";
  return all;
}

TEST(LineReaderTest, EncodingsReadAsUtf8OnBothPasses) {
  using namespace std::string_literals;
  const struct {
    const char* name;
    std::string input;
    std::string lines;
  } cases[] = {
      {"no mark", "\xFF\x41\r\nB\rC"s, "\xFF\x41\n|B\rC|"s},
      {"utf-8 mark", "\xEF\xBB\xBFName\r\nType\n"s, "Name\n|Type\n|"s},
      {"only a utf-8 mark", "\xEF\xBB\xBF"s, ""s},
      {"utf-8 mark later", "A\xEF\xBB\xBF"s, "A\xEF\xBB\xBF|"s},
      {"utf-16 le",
       "\xFF\xFE"
       "A\0\r\0\n\0\xE9\0"s,
       "A\n|\xC3\xA9|"s},
      {"utf-16 be",
       "\xFE\xFF"
       "\0A\0\t\0B\x20\xAC"s,
       "A\tB\xE2\x82\xAC|"s},
      {"surrogate pair", "\xFF\xFE\x3D\xD8\x00\xDE"s, "\xF0\x9F\x98\x80|"s},
      {"unpaired high", "\xFF\xFE\x3D\xD8\x41\x00"s,
       "\xEF\xBF\xBD"
       "A|"s},
      {"unpaired low", "\xFF\xFE\x00\xDE"s, "\xEF\xBF\xBD|"s},
      {"high at the end", "\xFF\xFE\x3D\xD8"s, "\xEF\xBF\xBD|"s},
      {"lone last byte", "\xFF\xFE\x41\x00\x42"s, "A\xEF\xBF\xBD|"s},
      {"only a utf-16 mark", "\xFF\xFE"s, ""s},
  };
  for (const auto& c : cases) {
    MemorySource whole(c.input);
    TrickleSource trickle(c.input);
    for (TextSource* source : std::initializer_list<TextSource*>{&whole, &trickle}) {
      LineReader reader(*source);
      EXPECT_EQ(readAll(reader), c.lines) << c.name;
      ASSERT_TRUE(reader.rewind());
      EXPECT_EQ(readAll(reader), c.lines) << c.name << ", second pass";
    }
  }
}

TEST(LineReaderTest, LongUtf16TextAcrossChunks) {
  std::string input = "\xFF\xFE";
  std::string expected;
  for (int i = 0; i < 100000; ++i) {
    input += std::string("\x3D\xD8\x00\xDE", 4);
    expected += "\xF0\x9F\x98\x80";
  }
  MemorySource source(input);  // UTF-16 is decoded chunk by chunk, never read whole
  LineReader reader(source);
  EXPECT_EQ(readAll(reader), expected + "|");
}

}  // namespace
}  // namespace veldarin
