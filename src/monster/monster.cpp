#include "monster/monster.h"

#include <cstdlib>

namespace veldarin {

namespace {

int checkedIndex(FieldId id) {
  const int index = fieldIndex(id);
  if (index < 0) std::abort();
  return index;
}

}  // namespace

std::string& Monster::field(FieldId id) {
  return texts_[checkedIndex(id)];
}

const std::string& Monster::field(FieldId id) const {
  return texts_[checkedIndex(id)];
}

void Monster::clear() {
  for (std::string& text : texts_) text.clear();
  cr = hitDice = initiative = speed = armorClass = 0;
  fortSave = refSave = willSave = listen = spot = 0;
}

void Monster::appendToField(FieldId id, std::string_view text, const char* separator) {
  std::string& f = field(id);
  if (!f.empty()) {
    if (separator != nullptr) {
      f += separator;
    } else if (f.back() != ' ') {
      f += ' ';
    }
  }
  f += text;
}

void MonsterGroup::clear() {
  count = 0;
  for (Monster& monster : monsters) monster.clear();
}

}  // namespace veldarin
