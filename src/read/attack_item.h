#pragma once

#include <string_view>

#include "monster/ascii.h"

namespace veldarin {

// An attack item such as "2 claws +5 melee": the name part before the bonus, count included,
// and the bonus, cut at the first " melee" (else the first " ranged").
struct AttackParts {
  std::string_view name;
  std::string_view bonus;
};

// False when the item holds neither word. Without a space before the bonus the whole text
// before the word is the bonus.
inline bool splitAttackItem(std::string_view item, AttackParts& parts) {
  std::size_t p = item.find(" melee");
  if (p == std::string_view::npos) p = item.find(" ranged");
  if (p == std::string_view::npos) return false;
  const std::size_t space = p == 0 ? std::string_view::npos : item.rfind(' ', p - 1);
  parts.name = space == std::string_view::npos ? std::string_view() : item.substr(0, space);
  const std::size_t bonusStart = space == std::string_view::npos ? 0 : space + 1;
  parts.bonus = item.substr(bonusStart, p - bonusStart);
  return true;
}

// The name the damage entry repeats: the name part without its count ("2 claws" gives "claws").
inline std::string_view attackKey(std::string_view name) {
  while (!name.empty() && (name.front() == ' ' || isDigitChar(name.front()))) {
    name.remove_prefix(1);
  }
  return name;
}

}  // namespace veldarin
