#include <string>
#include <string_view>

#include "monster/ascii.h"
#include "monster/monster.h"
#include "read/absent_dash.h"
#include "read/full_attack.h"

namespace veldarin {

namespace {

// A 3.5 space is a square: "15 ft./10 ft." is face "15 ft. by 15 ft." with reach 10 ft.
void squareSpaceAsFace(std::string& text) {
  const std::size_t p = text.find(" ft./");
  if (p == std::string::npos || p == 0) return;
  for (std::size_t i = 0; i < p; ++i) {
    if (!isDigitChar(text[i]) && text[i] != '-' && text[i] != '/') return;
  }
  const std::string side = text.substr(0, p);
  text.insert(0, side + " ft. by ");
}

}  // namespace

void Monster::prepareEdition35() {
  for (std::string& text : texts_) dashAsAbsent(text);
  dashAsAbsent(edition35.fullAttack);
  dashAsAbsent(edition35.attack);

  const std::string* line = edition35.fullAttackRow ? &edition35.fullAttack
                            : edition35.attackRow   ? &edition35.attack
                                                    : nullptr;
  if (line != nullptr) {
    const AttacksAndDamage split = splitFullAttack(*line);
    appendToField(FIELD_ATTACKS, split.attacks);
    appendToField(FIELD_DAMAGE, split.damage);
  }

  squareSpaceAsFace(field(FIELD_FACE_REACH));
}

}  // namespace veldarin
