#include "read/json/json_text.h"
#include "read/json/layouts.h"

namespace veldarin {

Statblock foundryBlock(const JsonValues& values, JsonValues::Index actor) {
  Statblock block;
  setText(block, StatKey::NAME, memberText(values, actor, "name"));
  return block;
}

}  // namespace veldarin
