#include "templates/simple_template.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "monster/ascii.h"
#include "monster/monster.h"
#include "read/block_text.h"
#include "read/to_int.h"
#include "templates/number_text.h"

namespace veldarin {

namespace {

struct Span {
  std::size_t begin;
  std::size_t end;
};

// The items of a text split at "," and ";" (inside parentheses too, when `anyDepth`).
std::vector<Span> itemsOf(std::string_view text, bool anyDepth) {
  std::vector<Span> items;
  std::size_t begin = 0;
  int depth = 0;
  for (std::size_t at = 0; at <= text.size(); ++at) {
    const char c = at < text.size() ? text[at] : ',';
    if (c == '(') ++depth;
    if (c == ')' && depth > 0) --depth;
    if ((c == ',' || c == ';') && (anyDepth || depth == 0 || at == text.size())) {
      items.push_back({begin, at});
      begin = at + 1;
    }
  }
  return items;
}

// Every signed number of text[begin, end) moved by the change.
void moveSignedNumbers(std::string_view text, Span span, int change, TextEdits& edits) {
  const std::string_view part = text.substr(0, span.end);
  for (auto number = nextNumber(part, span.begin, true); number;
       number = nextNumber(part, number->end, true)) {
    edits.replace(*number, saturatingAdd(number->value, change));
  }
}

// The parentheses that open right after `at` (spaces between), or none.
std::optional<Span> parenthesesAfter(std::string_view text, std::size_t at) {
  while (at < text.size() && text[at] == ' ') ++at;
  if (at >= text.size() || text[at] != '(') return std::nullopt;
  const std::size_t close = text.find(')', at);
  return Span{at + 1, close == std::string_view::npos ? text.size() : close};
}

// The number that follows the keyword's first place (spaces between), or none.
std::optional<WrittenNumber> numberAfter(std::string_view text, std::string_view keyword) {
  const std::size_t at = text.find(keyword);
  if (at == std::string_view::npos) return std::nullopt;
  std::size_t pos = at + keyword.size();
  while (pos < text.size() && text[pos] == ' ') ++pos;
  return numberAt(text, pos);
}

bool followedByWord(std::string_view text, std::size_t at, std::string_view word) {
  return text.substr(at).starts_with(word) &&
         (at + word.size() == text.size() || !isLetterChar(text[at + word.size()]));
}

// An attack item's bonus: its last signed number, with the iterations after it ("+11/+6"),
// when a mode word, parentheses or the item's end follows; a number inside the name ("+1
// spear") is none.
std::vector<WrittenNumber> attackBonus(std::string_view text, Span item) {
  const std::string_view part = text.substr(0, item.end);
  std::optional<WrittenNumber> last;
  for (auto number = nextNumber(part, item.begin, true); number;
       number = nextNumber(part, number->end, true)) {
    last = number;
  }
  std::vector<WrittenNumber> bonus;
  if (!last) return bonus;
  bonus.push_back(*last);
  std::size_t end = last->end;
  while (end < part.size() && part[end] == '/') {
    const auto next = numberAt(part, end + 1);
    if (!next) break;
    bonus.push_back(*next);
    end = next->end;
  }
  std::size_t after = end;
  while (after < part.size() && part[after] == ' ') ++after;
  const bool ends = after == part.size() || part[after] == '(' || !isLetterChar(part[after]) ||
                    followedByWord(part, after, "melee") || followedByWord(part, after, "ranged") ||
                    followedByWord(part, after, "touch");
  if (!ends) bonus.clear();
  return bonus;
}

bool isRanged(std::string_view text, Span item) {
  return text.substr(item.begin, item.end - item.begin).find("ranged") != std::string_view::npos;
}

}  // namespace

std::string simpleTemplateNames(TemplateSet templates) {
  std::string names;
  if (asks(templates, TEMPLATE_ADVANCED)) names += "Advanced ";
  if (asks(templates, TEMPLATE_GIANT)) names += "Giant ";
  if (asks(templates, TEMPLATE_YOUNG)) names += "Young ";
  return names;
}

namespace quick {

std::string initiative(std::string_view text, const RollChanges& changes) {
  TextEdits edits;
  if (const auto number = nextNumber(text, 0)) {
    edits.replace(*number, saturatingAdd(number->value, changes.roll[DEX]));
  }
  return edits.appliedTo(text);
}

std::string saves(std::string_view text, const RollChanges& changes) {
  // What follows a ";" ("+2 vs. poison") stays.
  const std::string_view saves = text.substr(0, text.find(';'));
  struct Save {
    std::string_view name;
    Ability ability;
  };
  std::vector<std::pair<WrittenNumber, int>> found;
  for (const Save save : {Save{"Fort", CON}, Save{"Ref", DEX}, Save{"Will", WIS}}) {
    if (const auto number = numberAfter(saves, save.name)) {
      found.emplace_back(*number, saturatingAdd(number->value, changes.roll[save.ability]));
    }
  }
  std::sort(found.begin(), found.end(),
            [](const auto& a, const auto& b) { return a.first.begin < b.first.begin; });
  TextEdits edits;
  for (const auto& [number, value] : found) edits.replace(number, value);
  return edits.appliedTo(text);
}

std::string attacks(std::string_view text, const RollChanges& changes, bool finesse) {
  TextEdits edits;
  for (const Span item : itemsOf(text, true)) {
    const int change = isRanged(text, item) ? changes.roll[DEX] : changes.roll[finesse ? DEX : STR];
    for (const WrittenNumber& number : attackBonus(text, item)) {
      edits.replace(number, saturatingAdd(number.value, change));
    }
  }
  return edits.appliedTo(text);
}

std::string damage(std::string_view text, std::string_view attacks, const RollChanges& changes) {
  const std::vector<Span> attackItems = itemsOf(attacks, true);
  const std::vector<Span> items = itemsOf(text, true);
  TextEdits edits;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const bool ranged = i < attackItems.size() && isRanged(attacks, attackItems[i]);
    const int change = changes.roll[ranged ? NO_ABILITY : STR];
    const std::string_view part = text.substr(0, items[i].end);
    const auto dice = nextDice(part, items[i].begin);
    if (!dice || change == 0) continue;
    const int constant = dice->constant ? dice->constant->value : 0;
    edits.replace(dice->begin, dice->end,
                  diceWithConstant(text, *dice, saturatingAdd(constant, change)));
  }
  return edits.appliedTo(text);
}

std::string baseAttack(std::string_view text, const RollChanges& changes, bool pathfinder) {
  TextEdits edits;
  const int strength = changes.roll[STR];
  if (!pathfinder) {
    // 3.5's "+2/-2": the grapple after the base attack.
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) return std::string(text);
    if (const auto grapple = numberAt(text, slash + 1)) {
      edits.replace(*grapple, saturatingAdd(grapple->value, strength));
    }
    return edits.appliedTo(text);
  }
  for (const Span part : itemsOf(text, false)) {
    const std::string_view piece = text.substr(part.begin, part.end - part.begin);
    const std::size_t lead = piece.find_first_not_of(' ');
    if (lead == std::string_view::npos) continue;
    const bool combatManeuver = piece.substr(lead).starts_with("CMB");
    const bool defense = piece.substr(lead).starts_with("CMD");
    if (combatManeuver) {
      const auto number = nextNumber(text.substr(0, part.end), part.begin + lead + 3);
      if (!number) continue;
      edits.replace(*number, saturatingAdd(number->value, strength));
      if (const auto inner = parenthesesAfter(text.substr(0, part.end), number->end)) {
        moveSignedNumbers(text, *inner, strength, edits);
      }
    } else if (defense && changes.armorClass) {
      const std::string_view upTo = text.substr(0, part.end);
      for (auto number = nextNumber(upTo, part.begin + lead + 3); number;
           number = nextNumber(upTo, number->end)) {
        edits.replace(*number, saturatingAdd(number->value, 4));
      }
    }
  }
  return edits.appliedTo(text);
}

std::string skills(std::string_view text, const RollChanges& changes, bool pathfinder) {
  TextEdits edits;
  for (const Span item : itemsOf(text, false)) {
    const std::string_view whole = text.substr(item.begin, item.end - item.begin);
    const std::string_view skill =
        whole.substr(std::min(whole.find_first_not_of(' '), whole.size()));
    // Racial modifiers are no rolls of their own.
    if (skill.starts_with("Racial Modifier")) break;
    // The skill's number is its first signed one outside parentheses.
    int depth = 0;
    std::optional<WrittenNumber> number;
    for (std::size_t at = item.begin; at < item.end && !number; ++at) {
      if (text[at] == '(') ++depth;
      if (text[at] == ')' && depth > 0) --depth;
      if (depth == 0 && (at == item.begin || text[at - 1] == ' ')) {
        const auto found = numberAt(text.substr(0, item.end), at);
        if (found && !found->sign.empty()) number = found;
      }
    }
    if (!number) continue;
    const std::string_view name =
        withoutTrailing(text.substr(item.begin, number->begin - item.begin), " ");
    const int change = changes.roll[skillAbility(withoutLeading(name, " "), pathfinder)];
    edits.replace(*number, saturatingAdd(number->value, change));
    if (const auto inner = parenthesesAfter(text.substr(0, item.end), number->end)) {
      moveSignedNumbers(text, *inner, change, edits);
    }
  }
  return edits.appliedTo(text);
}

std::string difficultyClasses(std::string_view text, int change) {
  TextEdits edits;
  for (std::size_t at = text.find("DC "); at != std::string_view::npos;
       at = text.find("DC ", at + 3)) {
    if (const auto number = numberAt(text, at + 3)) {
      edits.replace(*number, saturatingAdd(number->value, change));
    }
  }
  return edits.appliedTo(text);
}

std::string armorClass(std::string_view text) {
  const auto total = nextNumber(text, 0);
  if (!total) return std::string(text);
  TextEdits edits;
  edits.replace(*total, saturatingAdd(total->value, 4));
  const std::size_t open = text.find('(');
  // "touch 14" and "flat-footed 12" gain one of the two +2s each; they may stand before or
  // after the parentheses.
  const auto moveAfter = [&](std::string_view word, std::size_t from, std::size_t to) {
    const std::string_view part = text.substr(0, to);
    const std::size_t at = part.find(word, from);
    if (at == std::string_view::npos) return;
    if (const auto number = nextNumber(part, at + word.size())) {
      edits.replace(*number, saturatingAdd(number->value, 2));
    }
  };
  if (open == std::string_view::npos) {
    moveAfter("touch", total->end, text.size());
    moveAfter("flat-footed", total->end, text.size());
    edits.replace(text.size(), text.size(), " (+2 Dex, +2 natural)");
    return edits.appliedTo(text);
  }
  std::size_t close = text.find(')', open);
  if (close == std::string_view::npos) close = text.size();
  moveAfter("touch", total->end, open);
  moveAfter("flat-footed", total->end, open);
  bool dexterity = false;
  bool natural = false;
  const std::string_view inside = text.substr(0, close);
  for (Span part : itemsOf(inside.substr(0, close), true)) {
    if (part.end <= open) continue;
    part.begin = std::max(part.begin, open + 1);
    const std::string_view piece = inside.substr(part.begin, part.end - part.begin);
    const bool isDexterity = !dexterity && piece.find("Dex") != std::string_view::npos;
    const bool isNatural = !natural && piece.find("natural") != std::string_view::npos;
    if (!isDexterity && !isNatural) continue;
    if (const auto number = nextNumber(inside.substr(0, part.end), part.begin)) {
      edits.replace(*number, saturatingAdd(number->value, 2));
      dexterity = dexterity || isDexterity;
      natural = natural || isNatural;
    }
  }
  std::string added;
  const bool empty =
      text.substr(open + 1, close - open - 1).find_first_not_of(' ') == std::string_view::npos;
  if (!dexterity) added += ", +2 Dex";
  if (!natural) added += ", +2 natural";
  if (empty && !added.empty()) added.erase(0, 2);
  edits.replace(close, close, added);
  moveAfter("touch", close, text.size());
  moveAfter("flat-footed", close, text.size());
  return edits.appliedTo(text);
}

std::string hitDice(std::string_view text, int hitDiceRead, int perDie, int& points) {
  // The count "(57 hp)" stands in the last parentheses; the dice before them.
  const std::size_t open = text.rfind('(');
  std::optional<WrittenNumber> count;
  if (open != std::string_view::npos) {
    count = numberAt(text, open + 1);
    // "(57 hp)", or 3.0's bare "(26)".
    if (count && !text.substr(count->end).starts_with(" hp") &&
        !text.substr(count->end).starts_with(")")) {
      count.reset();
    }
  }
  const std::string_view dicePart = text.substr(0, count ? open : text.size());
  std::optional<WrittenDice> last;
  int dice = 0;
  for (auto group = nextDice(dicePart, 0); group; group = nextDice(dicePart, group->end)) {
    dice = saturatingAdd(dice, group->count);
    last = group;
  }
  const std::string_view lead = withoutLeading(dicePart, " ");
  if (const auto leading = numberAt(lead, 0);
      leading && lead.substr(leading->end).starts_with(" HD")) {
    dice = leading->value;
  } else if (!last) {
    dice = hitDiceRead;
  }
  if (count) points = count->value;
  if (points < 0 && last) {
    const long long average = static_cast<long long>(last->count) * (last->sides + 1) / 2 +
                              (last->constant ? last->constant->value : 0);
    points = clampToInt(average);
  }
  if (points < 0) return std::string(text);
  int changed = saturatingAdd(points, clampToInt(static_cast<long long>(perDie) * dice));
  // Young never takes a creature below 1 hit point a die.
  if (perDie < 0) changed = std::max(changed, std::min(points, dice));
  const int change = changed - points;
  TextEdits edits;
  if (last) {
    const int constant = last->constant ? last->constant->value : 0;
    edits.replace(last->begin, last->end,
                  diceWithConstant(text, *last, saturatingAdd(constant, change)));
  }
  if (count) edits.replace(*count, changed);
  points = changed;
  return edits.appliedTo(text);
}

std::string rating(std::string_view text, int cr, int steps) {
  // Ladder positions: 1/10 is -1, 1/8 is 0, 1/6 1, 1/4 2, 1/3 3, 1/2 4, then n is n + 4.
  if (cr == 0 || steps == 0) return std::string(text);
  const int position = cr > 0 ? saturatingAdd(cr, 4) : cr + 5;
  // Never below the ladder's foot, nor below where the rating stood.
  const int moved = std::max(saturatingAdd(position, steps), std::min(position, 0));
  if (moved == position) return std::string(text);
  return ratingText(moved > 4 ? moved - 4 : moved - 5);
}

}  // namespace quick

void Monster::applySimpleTemplates(unsigned templates) {
  const RollChanges changes = rollChanges(templates);
  if (!changes.any()) return;
  const bool finesse = field(FIELD_FEATS).find("Weapon Finesse") != std::string::npos;
  const bool inPathfinder = pathfinder.block;

  int points = -1;
  if (const auto number = nextNumber(field(FIELD_HIT_POINTS), 0)) points = number->value;
  const int pointsRead = points;
  field(FIELD_HIT_DICE) =
      quick::hitDice(field(FIELD_HIT_DICE), hitDice, changes.hitPointsPerDie, points);
  if (const auto number = nextNumber(field(FIELD_HIT_POINTS), 0); number && pointsRead >= 0) {
    TextEdits edits;
    edits.replace(*number, points);
    field(FIELD_HIT_POINTS) = edits.appliedTo(field(FIELD_HIT_POINTS));
  }
  field(FIELD_INITIATIVE) = quick::initiative(field(FIELD_INITIATIVE), changes);
  field(FIELD_SAVES) = quick::saves(field(FIELD_SAVES), changes);
  field(FIELD_DAMAGE) = quick::damage(field(FIELD_DAMAGE), field(FIELD_ATTACKS), changes);
  field(FIELD_ATTACKS) = quick::attacks(field(FIELD_ATTACKS), changes, finesse);
  field(FIELD_BASE_ATTACK) = quick::baseAttack(field(FIELD_BASE_ATTACK), changes, inPathfinder);
  field(FIELD_SKILLS) = quick::skills(field(FIELD_SKILLS), changes, inPathfinder);
  if (changes.dc != 0) {
    for (const FieldId id :
         {FIELD_SPECIAL_ATTACKS, FIELD_SPECIAL_QUALITIES, FIELD_ATTACKS, FIELD_DAMAGE}) {
      field(id) = quick::difficultyClasses(field(id), changes.dc);
    }
  }
  if (changes.armorClass) field(FIELD_AC) = quick::armorClass(field(FIELD_AC));
  field(FIELD_CHALLENGE_RATING) =
      quick::rating(field(FIELD_CHALLENGE_RATING), cr, changes.ratingSteps);

  // Listen and Spot move as Wisdom rolls, wherever they were read from.
  const int listenBefore = listen;
  const int spotBefore = spot;
  extractNumbers();
  listen = saturatingAdd(listenBefore, changes.roll[WIS]);
  spot = saturatingAdd(spotBefore, changes.roll[WIS]);
  summarizeAttacks();
}

}  // namespace veldarin
