#include <string>
#include <string_view>

#include "monster/ascii.h"
#include "monster/monster.h"

namespace veldarin {

namespace {

void replaceFirst(std::string& text, std::string_view from, std::string_view to) {
  const std::size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
}

}  // namespace

void Monster::lowerCaseField(FieldId id) {
  for (char& c : field(id)) c = toLowerAscii(c);
}

void Monster::abbreviateForSpreadsheet() {
  abbreviateFields();
  lowerCaseField(FIELD_ABBR_ATTACKS);
  lowerCaseField(FIELD_SPECIAL_ATTACKS);
  lowerCaseField(FIELD_SPECIAL_QUALITIES);
  std::string& qualities = field(FIELD_SPECIAL_QUALITIES);
  replaceFirst(qualities, "sr ", "SR ");
  replaceFirst(qualities, "damage reduction", "DR");
}

}  // namespace veldarin
