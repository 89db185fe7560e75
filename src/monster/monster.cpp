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

void appendText(std::string& to, std::string_view text, const char* separator) {
  if (!to.empty()) {
    if (separator != nullptr) {
      to += separator;
    } else if (to.back() != ' ') {
      to += ' ';
    }
  }
  to += text;
}

void Monster::clear() {
  for (std::string& text : texts_) text.clear();
  edition35 = {};
  pathfinder = {};
  fifthEditionBlock = false;
  cr = hitDice = initiative = speed = armorClass = 0;
  fortSave = refSave = willSave = listen = spot = 0;
}

void Monster::appendToField(FieldId id, std::string_view text, const char* separator) {
  appendText(field(id), text, separator);
}

void MonsterGroup::clear() {
  monsters.clear();
}

}  // namespace veldarin
