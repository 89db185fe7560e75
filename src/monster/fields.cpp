#include "monster/fields.h"

namespace veldarin {

namespace {

constexpr bool catalogueIsInIdOrder() {
  for (int i = 0; i < FIELD_COUNT; ++i) {
    if (fieldTable[i].id != FIELD_NAME + i) return false;
  }
  return true;
}
static_assert(catalogueIsInIdOrder(), "fieldIndex relies on the catalogue's id order");

}  // namespace

int fieldIndex(FieldId id) {
  if (id < FIELD_NAME || id > FIELD_BASE_ATTACK) return -1;
  return id - FIELD_NAME;
}

FieldId fieldIdAt(int position) {
  if (position < 0 || position >= FIELD_COUNT) return FIELD_NONE;
  return fieldTable[position].id;
}

}  // namespace veldarin
