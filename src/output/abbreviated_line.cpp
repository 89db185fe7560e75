#include <array>
#include <ostream>
#include <string_view>

#include "monster/monster.h"
#include "output/entry_list.h"

namespace veldarin {

namespace {

// The stat line's entries in the order written, ended by FIELD_NONE.
constexpr std::array<FieldId, 14> abbrevFieldOrder{
    FIELD_CHALLENGE_RATING,
    FIELD_HIT_DICE,
    FIELD_HIT_POINTS,
    FIELD_INITIATIVE,
    FIELD_SPEED,
    FIELD_AC,
    FIELD_BASE_ATTACK,
    FIELD_ABBR_ATTACKS,
    FIELD_FACE_REACH,
    FIELD_SPECIAL_ATTACKS,
    FIELD_SPECIAL_QUALITIES,
    FIELD_ALIGNMENT,
    FIELD_SAVES,
    FIELD_NONE,
};

// "+2/+4" is written "+2; Grp +4": the grapple bonus reads as an entry of its own.
void writeBaseAttack(std::ostream& file, std::string_view text) {
  const std::size_t slash = text.find('/');
  file << text.substr(0, slash);
  if (slash != std::string_view::npos) file << "; Grp " << text.substr(slash + 1);
}

}  // namespace

void Monster::printAbbreviated(std::ostream& file) {
  file << '\n';
  abbreviateFields();

  file << field(FIELD_NAME) << ": " << field(FIELD_TYPE) << "; ";

  bool first = true;
  for (const FieldId id : abbrevFieldOrder) {
    if (id == FIELD_NONE) break;
    const std::string& text = field(id);
    if (text.empty()) continue;
    if (!first) file << "; ";
    file << fieldTable[fieldIndex(id)].abbreviation << ' ';
    // Pathfinder's "+1; CMB +4; CMD 14" has no grapple to split off.
    if (id == FIELD_BASE_ATTACK && !pathfinder.block) {
      writeBaseAttack(file, text);
    } else {
      file << text;
    }
    first = false;
  }
  file << ".\n";

  file << '\t' << field(FIELD_ABILITIES) << ".\n";

  const std::string& skills = field(FIELD_SKILLS);
  const std::string& feats = field(FIELD_FEATS);
  if (skills.empty() && feats.empty()) return;
  file << "\tSkills and Feats: ";
  writeEntries(file, {skills, feats});
  file << ".\n";
}

}  // namespace veldarin
