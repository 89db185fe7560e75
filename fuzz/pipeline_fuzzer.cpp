// libFuzzer target: the fuzzer's bytes become an input table that goes through a whole run in
// memory: load, templates, a rating, a format. The last byte picks the templates (none, one, or
// advanced giant fiendish), the format and whether a rating is asked for, so the fuzzer explores
// them all while each input costs one run; the bytes before it are the table.
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <streambuf>
#include <string_view>

#include "monster/monster.h"

namespace {

// Takes every byte and keeps none: the writers run in full, nothing is stored.
class DiscardBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize size) override { return size; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static DiscardBuffer discard;
  static std::ostream summary(&discard);
  const unsigned selector = data[size - 1];
  const unsigned pick = selector % 9;
  const unsigned templates = pick == 8 ? 0x1CU : (pick == 0 ? 0U : 1U << pick);
  const int formatCode = static_cast<int>(selector / 9 % 4) + 1;
  veldarin::MonsterGroup group;
  if (!group.loadFromText(std::string_view(reinterpret_cast<const char*>(data), size - 1))) {
    return 0;
  }
  if (!group.applyTemplates(templates)) return 0;
  if (selector >= 128 && !group.scaleToRating(selector % 34)) return 0;
  group.writeSummary(summary, formatCode);
  return 0;
}
