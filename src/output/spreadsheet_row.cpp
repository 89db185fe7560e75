#include <ostream>

#include "monster/monster.h"
#include "output/entry_list.h"

namespace veldarin {

void Monster::printSpreadsheet(std::ostream& file) {
  abbreviateForSpreadsheet();

  file << field(FIELD_NAME) << '\t' << cr << '\t' << field(FIELD_HIT_DICE) << '\t'
       << field(FIELD_HIT_POINTS) << "\t\t" << initiative << "\t\t" << speed << '\t' << armorClass
       << '\t' << fortSave << '\t' << refSave << '\t' << willSave << '\t' << listen << '\t' << spot
       << "\t\t";
  writeEntries(file, {field(FIELD_ABBR_ATTACKS), field(FIELD_SPECIAL_ATTACKS),
                      field(FIELD_SPECIAL_QUALITIES)});
  file << '\n';
}

}  // namespace veldarin
