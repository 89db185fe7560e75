#include <ostream>
#include <string>

#include "monster/monster.h"
#include "output/entry_list.h"

namespace veldarin {

void Monster::printSpreadsheet(std::ostream& file) {
  abbreviateForSpreadsheet();

  std::string row;
  const auto number = [&row](int value, const char* after) {
    row.append(std::to_string(value)).append(after);
  };
  row.append(field(FIELD_NAME)).append("\t");
  number(cr, "\t");
  row.append(field(FIELD_HIT_DICE)).append("\t");
  row.append(field(FIELD_HIT_POINTS)).append("\t\t");
  number(initiative, "\t\t");
  number(speed, "\t");
  number(armorClass, "\t");
  number(fortSave, "\t");
  number(refSave, "\t");
  number(willSave, "\t");
  number(listen, "\t");
  number(spot, "\t\t");

  std::string attacksAndQualities = field(FIELD_ABBR_ATTACKS);
  appendEntry(attacksAndQualities, field(FIELD_SPECIAL_ATTACKS));
  appendEntry(attacksAndQualities, field(FIELD_SPECIAL_QUALITIES));
  row.append(attacksAndQualities).append("\n");
  file << row;
}

}  // namespace veldarin
