#include <string>
#include <string_view>
#include <vector>

#include "monster/ascii.h"
#include "monster/monster.h"
#include "read/attack_item.h"
#include "read/tab_fields.h"

namespace veldarin {

namespace {

constexpr std::string_view UNREADABLE = "...";

std::string_view fromPosition(std::string_view text, std::size_t pos) {
  return pos < text.size() ? text.substr(pos) : std::string_view();
}

// The damage item with the attack's name removed, or none when it does not repeat the name.
bool damageText(std::string_view key, std::string_view damage, std::string_view& out) {
  // A nameless attack (a Pathfinder swarm's "swarm (3d6)") has no name to skip in its damage.
  if (key.empty()) {
    out = damage;
    return true;
  }
  const std::size_t length = key.size();
  if (damage.starts_with(key)) {
    out = fromPosition(damage, length + 1);
    return true;
  }
  // A plural name matches its singular: claws matches claw 1d4.
  if (length > 0 && damage.starts_with(key.substr(0, length - 1))) {
    out = fromPosition(damage, length);
    return true;
  }
  if (key.starts_with("hooves") && damage.starts_with("hoof")) {
    out = fromPosition(damage, 5);
    return true;
  }
  return false;
}

// One "name bonus (damage)" entry, or "..." when the pair cannot be condensed.
std::string condensePair(std::string_view attack, std::string_view damage) {
  AttackParts parts;
  if (!splitAttackItem(attack, parts)) return std::string(UNREADABLE);
  const std::string_view name = parts.name;
  const std::string_view bonus = parts.bonus;

  std::string_view text;
  if (!damageText(attackKey(name), damage, text)) return std::string(UNREADABLE);

  std::string entry;
  entry.reserve(name.size() + bonus.size() + text.size() + 4);
  if (!name.empty()) entry.append(name).append(" ");
  entry.append(bonus).append(" (").append(text).append(")");
  return entry;
}

}  // namespace

void Monster::splitAttackItems(std::string text, AttackItems& items, int& count) {
  for (char& c : text) {
    if (c == ',' || c == ';') {
      c = '\t';
    } else {
      c = toLowerAscii(c);
    }
  }
  std::vector<std::string_view> fields;
  splitFields(text, MAX_ATTACK_ITEMS, fields);
  count = static_cast<int>(fields.size());
  for (int k = 0; k < count; ++k) {
    std::string_view item = fields[k];
    while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
    while (item.starts_with("or")) {
      item.remove_prefix(2);
      while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
    }
    items[k].assign(item);
  }
}

void Monster::summarizeAttacks() {
  std::string& summary = field(FIELD_ABBR_ATTACKS);
  if (field(FIELD_ATTACKS) == "-" && field(FIELD_DAMAGE) == "-") {
    summary.assign(1, '-');
    return;
  }
  AttackItems attacks;
  AttackItems damages;
  int attackCount = 0;
  int damageCount = 0;
  splitAttackItems(field(FIELD_ATTACKS), attacks, attackCount);
  splitAttackItems(field(FIELD_DAMAGE), damages, damageCount);
  if (attackCount != damageCount) {
    summary = UNREADABLE;
    return;
  }
  summary.clear();
  for (int i = 0; i < attackCount; ++i) {
    appendToField(FIELD_ABBR_ATTACKS, condensePair(attacks[i], damages[i]), ", ");
  }
}

}  // namespace veldarin
