#include "condense/abbreviation.h"

#include <string>

#include "monster/monster.h"
#include "monster/text_cut.h"

namespace veldarin {

namespace {

constexpr std::string_view STANDARD_FACE_REACH = "5 ft. by 5 ft./5 ft.";
constexpr std::string_view FACE_SEPARATOR = "ft. by ";

void abbreviateAlignment(std::string& text) {
  for (const AlignmentRow& row : alignmentTable) {
    if (text.find(row.fullText) != std::string::npos) {
      text = row.abbreviation;
      return;
    }
  }
}

// '5 ft. by 10 ft./5 ft.' becomes '5x10 ft./5 ft.'; the standard entry disappears.
void abbreviateFaceReach(std::string& text) {
  if (text.starts_with(STANDARD_FACE_REACH)) {
    text.clear();
    return;
  }
  const std::size_t p = text.find(FACE_SEPARATOR);
  if (p == std::string::npos) return;
  text.erase(p, FACE_SEPARATOR.size());
  if (p > 0) text[p - 1] = 'x';
}

}  // namespace

void Monster::cutFieldAtParen(FieldId id) {
  cutBeforeFirst(field(id), '(');
}

void Monster::clearFieldIfDash(FieldId id) {
  std::string& text = field(id);
  if (text == "-") text.clear();
}

void Monster::abbreviateFields() {
  cutFieldAtParen(FIELD_HIT_DICE);
  cutFieldAtParen(FIELD_AC);
  cutFieldAtParen(FIELD_INITIATIVE);
  // A block's alignment is a code already, or a text the table does not know.
  if (!pathfinder.block && !fifthEditionBlock) abbreviateAlignment(field(FIELD_ALIGNMENT));
  abbreviateFaceReach(field(FIELD_FACE_REACH));
  clearFieldIfDash(FIELD_SPECIAL_ATTACKS);
  clearFieldIfDash(FIELD_SPECIAL_QUALITIES);
  clearFieldIfDash(FIELD_SKILLS);
  clearFieldIfDash(FIELD_FEATS);
}

}  // namespace veldarin
