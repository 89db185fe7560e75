#include "read/full_attack.h"

#include <array>

#include "read/attack_item.h"

namespace veldarin {

namespace {

struct Separator {
  std::string_view text;
  std::string_view as30;  // how the 3.0 Attacks and Damage rows write it
};

// Tried in this order at each place, so the longer forms win.
constexpr std::array<Separator, 7> SEPARATORS{{
    {"; or ", "; or "},
    {", or ", "; or "},
    {", and ", ", "},
    {" and ", ", "},
    {" or ", "; or "},
    {"; ", "; "},
    {", ", ", "},
}};

const Separator* separatorAt(std::string_view text, std::size_t at) {
  const std::string_view rest = text.substr(at);
  for (const Separator& separator : SEPARATORS) {
    if (rest.starts_with(separator.text)) return &separator;
  }
  return nullptr;
}

// Brackets of either kind nest; a stray closing one never takes the depth below 0.
int depthAfter(int depth, char c) {
  if (c == '(' || c == '[') return depth + 1;
  if ((c == ')' || c == ']') && depth > 0) return depth - 1;
  return depth;
}

bool holdsKind(std::string_view text) {
  return text.find(" melee") != std::string_view::npos ||
         text.find(" ranged") != std::string_view::npos;
}

// One attack: the damage in its last parenthesised group leaves the attack and goes to the
// damage text behind the attack's name.
void appendItem(std::string_view item, std::string_view impliedKind, AttacksAndDamage& out) {
  std::size_t open = std::string_view::npos;
  std::size_t groupStart = std::string_view::npos;
  std::size_t groupEnd = 0;
  int depth = 0;
  for (std::size_t i = 0; i < item.size(); ++i) {
    if (depth == 0 && item[i] == '(') open = i;
    depth = depthAfter(depth, item[i]);
    if (depth == 0 && open != std::string_view::npos && i > open) {
      if (item[i] == ')') {
        groupStart = open;
        groupEnd = i;
      }
      open = std::string_view::npos;
    }
  }
  if (groupStart == std::string_view::npos) {
    out.attacks += item;
    out.damage += item;
    return;
  }
  std::string_view before = item.substr(0, groupStart);
  while (!before.empty() && before.back() == ' ') before.remove_suffix(1);
  const std::size_t attackStart = out.attacks.size();
  out.attacks.append(before).append(item.substr(groupEnd + 1));
  if (!impliedKind.empty() && !holdsKind(std::string_view(out.attacks).substr(attackStart))) {
    // "+19 touch" reads as a 3.5 table's "+19 melee touch".
    constexpr std::string_view TOUCH = " touch";
    const std::size_t at = before.ends_with(TOUCH) ? before.size() - TOUCH.size() : before.size();
    out.attacks.insert(attackStart + at, impliedKind);
  }

  const std::string_view attack = std::string_view(out.attacks).substr(attackStart);
  AttackParts parts;
  const std::string_view key =
      splitAttackItem(attack, parts) ? attackKey(parts.name) : attackKey(attack);
  if (!key.empty()) out.damage.append(key).append(" ");
  out.damage.append(item.substr(groupStart + 1, groupEnd - groupStart - 1));
}

}  // namespace

AttacksAndDamage splitFullAttack(std::string_view text, std::string_view impliedKind) {
  AttacksAndDamage out;
  std::size_t itemStart = 0;
  int depth = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const Separator* separator = depth == 0 && i > itemStart ? separatorAt(text, i) : nullptr;
    if (separator == nullptr) {
      depth = depthAfter(depth, text[i]);
      ++i;
      continue;
    }
    appendItem(text.substr(itemStart, i - itemStart), impliedKind, out);
    out.attacks += separator->as30;
    out.damage += separator->as30;
    i += separator->text.size();
    itemStart = i;
  }
  appendItem(text.substr(itemStart), impliedKind, out);
  return out;
}

}  // namespace veldarin
