#include <ostream>

#include "monster/monster.h"

namespace veldarin {

void Monster::printFull(std::ostream& file) const {
  file << '\n';
  // Only 3.5 tables and Pathfinder blocks give a base attack; it follows the armor class, as in
  // their stat blocks.
  const std::string& baseAttack = field(FIELD_BASE_ATTACK);
  for (int i = 0; i < FIELD_COUNT; ++i) {
    const FieldId id = fieldIdAt(i);
    const std::string& text = field(id);
    if (id == FIELD_HIT_POINTS || id == FIELD_ABBR_ATTACKS || id == FIELD_BASE_ATTACK) continue;
    if (id == FIELD_NAME || id == FIELD_TYPE) {
      file << text << '\n';
    } else {
      file << fieldTable[i].label << ": " << (text.empty() ? std::string_view("-") : text) << '\n';
    }
    if (id == FIELD_AC && !baseAttack.empty()) {
      // Pathfinder's line holds CMB and CMD rather than a grapple: it keeps the short caption.
      const FieldInfo& info = fieldTable[fieldIndex(FIELD_BASE_ATTACK)];
      file << (pathfinder.block ? info.abbreviation : info.label) << ": " << baseAttack << '\n';
    }
  }
}

}  // namespace veldarin
