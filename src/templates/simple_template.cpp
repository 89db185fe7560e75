#include "templates/simple_template.h"

#include <algorithm>
#include <array>
#include <span>
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

// The items of a text split at "," and ";" (inside parentheses too, when `anyDepth`), one at a
// time.
class Items {
 public:
  Items(std::string_view text, bool anyDepth) : text_(text), anyDepth_(anyDepth) {}

  std::optional<Span> next() {
    if (done_) return std::nullopt;
    const std::size_t begin = at_;
    for (; at_ < text_.size(); ++at_) {
      const char c = text_[at_];
      if (c < '(' || c > ';') continue;  // none of "(),;", as most bytes
      if (c == '(') ++depth_;
      if (c == ')' && depth_ > 0) --depth_;
      if ((c == ',' || c == ';') && (anyDepth_ || depth_ == 0)) return Span{begin, at_++};
    }
    done_ = true;
    return Span{begin, text_.size()};
  }

 private:
  std::string_view text_;
  bool anyDepth_;
  std::size_t at_ = 0;
  int depth_ = 0;
  bool done_ = false;
};

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

// Without spaces at either end: a plain loop, as the texts are short and many.
std::string_view withoutSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool followedByWord(std::string_view text, std::size_t at, std::string_view word) {
  return text.substr(at).starts_with(word) &&
         (at + word.size() == text.size() || !isLetterChar(text[at + word.size()]));
}

// Whether each item of the attacks as they were, split at "," and ";" at any depth, is ranged:
// a byte an item, no more than the text holds.
using RangedItems = std::vector<unsigned char>;

// One pass: "ranged" holds no separator, so it lies inside the item it is found in.
void findRanged(std::string_view attacks, RangedItems& ranged) {
  ranged.clear();
  unsigned char found = 0;
  for (std::size_t at = 0; at < attacks.size(); ++at) {
    const char c = attacks[at];
    if (c == ',' || c == ';') {
      ranged.push_back(found);
      found = 0;
    } else if (c == 'r' && attacks.substr(at + 1, 5) == "anged") {
      found = 1;
    }
  }
  ranged.push_back(found);
}

// The attacks' bonuses, each by whether its item is ranged: the signed numbers, with the
// iterations after them ("+11/+6"), that a mode word, parentheses or the item's end follows; a
// number inside a name ("+1 spear") is none. One pass: no number holds a separator, so the items
// are counted as it goes.
void rewriteAttacks(std::string& field, const RangedItems& ranged, const RollChanges& changes,
                    bool finesse, std::string& buffer) {
  const std::string_view text = field;
  TextEdits edits(text, buffer);
  const auto changeAt = [&](std::size_t k) {
    return changes.roll[(k < ranged.size() && ranged[k]) || finesse ? DEX : STR];
  };
  int change = changeAt(0);
  WrittenNumber first;
  for (std::size_t at = 0, k = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (c == ',' || c == ';') {
      change = changeAt(++k);
      continue;
    }
    if (!written::mayBeginSign(c) || !written::breaksBefore(text, at) ||
        !written::readNumber(text, at, first)) {
      continue;
    }
    std::size_t end = first.end;
    while (end + 1 < text.size() && text[end] == '/') {
      const auto iteration = numberAt(text, end + 1);
      if (!iteration) break;
      end = iteration->end;
    }
    std::size_t after = end;
    while (after < text.size() && text[after] == ' ') ++after;
    const bool bonus = after == text.size() || !isLetterChar(text[after]) ||
                       followedByWord(text, after, "melee") ||
                       followedByWord(text, after, "ranged") ||
                       followedByWord(text, after, "touch");
    if (bonus) {
      edits.replace(first, saturatingAdd(first.value, change));
      for (std::size_t iterations = first.end; iterations < end;) {
        const auto iteration = numberAt(text, iterations + 1);
        edits.replace(*iteration, saturatingAdd(iteration->value, change));
        iterations = iteration->end;
      }
    }
    at = end - 1;
  }
  edits.applyTo(field);
}

// The constant of the first dice of each attack of each damage item, by whether the attack at
// the item's position is ranged; an item's attacks are joined by " and " ("claws 1d6+4 and bite
// 1d8+2"). One pass: neither dice nor their constant hold a separator or " and ".
void rewriteDamage(std::string& field, const RangedItems& attacks, const RollChanges& changes,
                   std::string& buffer) {
  const std::string_view text = field;
  TextEdits edits(text, buffer);
  const auto changeAt = [&](std::size_t k) {
    return changes.roll[k < attacks.size() && attacks[k] ? NO_ABILITY : STR];
  };
  int change = changeAt(0);
  bool moved = false;  // the attack's first dice
  WrittenDice dice;
  for (std::size_t at = 0, k = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (c == ',' || c == ';') {
      change = changeAt(++k);
      moved = false;
    } else if (c == ' ') {
      if (text.substr(at, 5) == " and ") {
        moved = false;
        at += 4;
      }
    } else if (change != 0 && !moved && written::readDice(text, at, dice)) {
      const int constant = dice.constant ? dice.constant->value : 0;
      edits.replaceConstant(dice, saturatingAdd(constant, change));
      moved = true;
      at = dice.end - 1;
    }
  }
  edits.applyTo(field);
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

void initiative(std::string& field, const RollChanges& changes, std::string& buffer) {
  const std::string_view text = field;
  TextEdits edits(text, buffer);
  if (const auto number = nextNumber(text, 0)) {
    edits.replace(*number, saturatingAdd(number->value, changes.roll[DEX]));
  }
  edits.applyTo(field);
}

void saves(std::string& field, const RollChanges& changes, std::string& buffer) {
  const std::string_view text = field;
  // What follows a ";" ("+2 vs. poison") stays.
  const std::string_view saves = text.substr(0, text.find(';'));
  struct Save {
    std::string_view name;
    Ability ability;
    std::optional<WrittenNumber> number;
  };
  std::array<Save, 3> found{{{"Fort", CON, {}}, {"Ref", DEX, {}}, {"Will", WIS, {}}}};
  for (Save& save : found) save.number = numberAfter(saves, save.name);
  // In the order they stand in, mostly that of the table already.
  const auto before = [](const Save& a, const Save& b) {
    return a.number && (!b.number || a.number->begin < b.number->begin);
  };
  if (!std::is_sorted(found.begin(), found.end(), before)) {
    std::sort(found.begin(), found.end(), before);
  }
  TextEdits edits(text, buffer);
  for (const Save& save : found) {
    if (save.number) {
      edits.replace(*save.number, saturatingAdd(save.number->value, changes.roll[save.ability]));
    }
  }
  edits.applyTo(field);
}

void attacks(std::string& field, const RollChanges& changes, bool finesse, std::string& buffer) {
  RangedItems ranged;
  findRanged(field, ranged);
  rewriteAttacks(field, ranged, changes, finesse, buffer);
}

void damage(std::string& field, std::string_view attacks, const RollChanges& changes,
            std::string& buffer) {
  RangedItems ranged;
  findRanged(attacks, ranged);
  rewriteDamage(field, ranged, changes, buffer);
}

void baseAttack(std::string& field, const RollChanges& changes, bool pathfinder,
                std::string& buffer) {
  const std::string_view text = field;
  TextEdits edits(text, buffer);
  const int strength = changes.roll[STR];
  if (!pathfinder) {
    // 3.5's "+2/-2": the grapple after the base attack.
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) return;
    if (const auto grapple = numberAt(text, slash + 1)) {
      edits.replace(*grapple, saturatingAdd(grapple->value, strength));
    }
    edits.applyTo(field);
    return;
  }
  Items parts(text, false);
  while (const auto found = parts.next()) {
    const Span part = *found;
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
  edits.applyTo(field);
}

void skills(std::string& field, const RollChanges& changes, bool pathfinder, std::string& buffer) {
  const std::string_view text = field;
  TextEdits edits(text, buffer);
  // An item at a time, split at "," and ";" outside parentheses, read in one pass: the skill's
  // number is its first signed one outside parentheses, at the item's start or after a space.
  for (std::size_t begin = 0;;) {
    std::size_t lead = begin;
    while (lead < text.size() && text[lead] == ' ') ++lead;
    // Racial modifiers are no rolls of their own.
    if (text.substr(lead).starts_with("Racial Modifier")) break;
    WrittenNumber number;
    bool found = false;
    int depth = 0;
    std::size_t end = begin;
    for (; end < text.size(); ++end) {
      const char c = text[end];
      if ((c == ',' || c == ';') && depth == 0) break;
      switch (c) {
        case '(':
          ++depth;
          break;
        case ')':
          if (depth > 0) --depth;
          break;
        case '+':
        case '-':
        case '\xE2':  // the dashes' first byte
          found = found || (depth == 0 && (end == begin || text[end - 1] == ' ') &&
                            written::readNumber(text, end, number) && !number.sign.empty());
          break;
        default:
          break;
      }
    }
    if (found) {
      const std::string_view name = withoutSpaces(text.substr(begin, number.begin - begin));
      const int change = changes.roll[skillAbility(name, pathfinder)];
      edits.replace(number, saturatingAdd(number.value, change));
      if (const auto inner = parenthesesAfter(text.substr(0, end), number.end)) {
        moveSignedNumbers(text, *inner, change, edits);
      }
    }
    if (end >= text.size()) break;
    begin = end + 1;
  }
  edits.applyTo(field);
}

void difficultyClasses(std::string& field, int change, std::string& buffer) {
  constexpr std::string_view word = "DC ";
  const std::string_view text = field;
  TextEdits edits(text, buffer);
  for (std::size_t at = text.find(word); at != std::string_view::npos;
       at = text.find(word, at + word.size())) {
    if (const auto number = numberAt(text, at + word.size())) {
      edits.replace(*number, saturatingAdd(number->value, change));
    }
  }
  edits.applyTo(field);
}

void armorClass(std::string& field, std::string& buffer) {
  const std::string_view text = field;
  const auto total = nextNumber(text, 0);
  if (!total) return;
  TextEdits edits(text, buffer);
  edits.replace(*total, saturatingAdd(total->value, 4));
  const std::size_t open = text.find('(');
  // "touch 14" and "flat-footed 12" gain one of the two +2s each; they may stand before or
  // after the parentheses, in either order.
  const auto moveTouchAndFlatFooted = [&](std::size_t from, std::size_t to) {
    constexpr std::string_view touch = "touch";
    constexpr std::string_view flatFooted = "flat-footed";
    const std::string_view part = text.substr(0, to);
    const auto moveAfter = [&](std::size_t at, std::string_view word) {
      if (at == std::string_view::npos) return;
      if (const auto number = nextNumber(part, at + word.size())) {
        edits.replace(*number, saturatingAdd(number->value, 2));
      }
    };
    // In the order they stand in: a number follows its word, so that is the numbers' order.
    const std::size_t touchAt = part.find(touch, from);
    const std::size_t flatFootedAt = part.find(flatFooted, from);
    if (flatFootedAt < touchAt) {
      moveAfter(flatFootedAt, flatFooted);
      moveAfter(touchAt, touch);
    } else {
      moveAfter(touchAt, touch);
      moveAfter(flatFootedAt, flatFooted);
    }
  };
  if (open == std::string_view::npos) {
    moveTouchAndFlatFooted(total->end, text.size());
    edits.replace(text.size(), text.size(), " (+2 Dex, +2 natural)");
    edits.applyTo(field);
    return;
  }
  std::size_t close = text.find(')', open);
  if (close == std::string_view::npos) close = text.size();
  moveTouchAndFlatFooted(total->end, open);
  bool dexterity = false;
  bool natural = false;
  // The parts inside the parentheses, split at "," and ";".
  const std::size_t first = open + 1;
  Items parts(text.substr(first, close - first), true);
  while (const auto found = parts.next()) {
    const Span part{found->begin + first, found->end + first};
    const std::string_view piece = text.substr(part.begin, part.end - part.begin);
    const bool isDexterity = !dexterity && piece.find("Dex") != std::string_view::npos;
    const bool isNatural = !natural && piece.find("natural") != std::string_view::npos;
    if (!isDexterity && !isNatural) continue;
    if (const auto number = nextNumber(text.substr(0, part.end), part.begin)) {
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
  moveTouchAndFlatFooted(close, text.size());
  edits.applyTo(field);
}

void hitDice(std::string& field, int hitDiceRead, int perDie, int& points, std::string& buffer) {
  const std::string_view text = field;
  // The count "(57 hp)" stands in the last parentheses; the dice before them.
  const auto count = hitPointCount(text);
  const std::string_view dicePart = text.substr(0, count ? text.rfind('(') : text.size());
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
  if (points < 0) return;
  int changed = saturatingAdd(points, clampToInt(static_cast<long long>(perDie) * dice));
  // Young never takes a creature below 1 hit point a die.
  if (perDie < 0) changed = std::max(changed, std::min(points, dice));
  const int change = changed - points;
  TextEdits edits(text, buffer);
  if (last) {
    const int constant = last->constant ? last->constant->value : 0;
    edits.replaceConstant(*last, saturatingAdd(constant, change));
  }
  if (count) edits.replace(*count, changed);
  points = changed;
  edits.applyTo(field);
}

void rating(std::string& field, int cr, int steps) {
  // Ladder positions: 1/10 is -1, 1/8 is 0, 1/6 1, 1/4 2, 1/3 3, 1/2 4, then n is n + 4.
  if (cr == 0 || steps == 0) return;
  const int position = cr > 0 ? saturatingAdd(cr, 4) : cr + 5;
  // Never below the ladder's foot, nor below where the rating stood.
  const int moved = std::max(saturatingAdd(position, steps), std::min(position, 0));
  if (moved == position) return;
  field = ratingText(moved > 4 ? moved - 4 : moved - 5);
}

}  // namespace quick

namespace {

bool usesFinesse(const Monster& monster) {
  return monster.field(FIELD_FEATS).find("Weapon Finesse") != std::string::npos;
}

void moveHitPoints(Monster& monster, int perDie, std::string& buffer) {
  std::string& hitPoints = monster.field(FIELD_HIT_POINTS);
  const auto number = nextNumber(hitPoints, 0);
  int points = number ? number->value : -1;
  quick::hitDice(monster.field(FIELD_HIT_DICE), monster.hitDice, perDie, points, buffer);
  if (number && number->value >= 0) {
    TextEdits edits(hitPoints, buffer);
    edits.replace(*number, points);
    edits.applyTo(hitPoints);
  }
}

}  // namespace

void applySimpleTemplates(std::span<Monster> run, TemplateSet templates, RewriteScratch& scratch) {
  const RollChanges changes = rollChanges(templates);
  if (!changes.any()) return;
  std::string& buffer = scratch.text;
  RangedItems& ranged = scratch.ranged;
  const auto each = [run](auto rewrite) {
    for (Monster& monster : run) rewrite(monster);
  };
  each([&](Monster& m) { moveHitPoints(m, changes.hitPointsPerDie, buffer); });
  each([&](Monster& m) { quick::initiative(m.field(FIELD_INITIATIVE), changes, buffer); });
  each([&](Monster& m) { quick::saves(m.field(FIELD_SAVES), changes, buffer); });
  // The damage pairs with the attacks as they were, split once.
  each([&](Monster& m) {
    std::string& attacks = m.field(FIELD_ATTACKS);
    findRanged(attacks, ranged);
    rewriteDamage(m.field(FIELD_DAMAGE), ranged, changes, buffer);
    rewriteAttacks(attacks, ranged, changes, usesFinesse(m), buffer);
  });
  each([&](Monster& m) {
    quick::baseAttack(m.field(FIELD_BASE_ATTACK), changes, m.pathfinder.block, buffer);
  });
  each([&](Monster& m) {
    quick::skills(m.field(FIELD_SKILLS), changes, m.pathfinder.block, buffer);
  });
  if (changes.dc != 0) {
    for (const FieldId id :
         {FIELD_SPECIAL_ATTACKS, FIELD_SPECIAL_QUALITIES, FIELD_ATTACKS, FIELD_DAMAGE}) {
      each([&](Monster& m) { quick::difficultyClasses(m.field(id), changes.dc, buffer); });
    }
  }
  if (changes.armorClass) each([&](Monster& m) { quick::armorClass(m.field(FIELD_AC), buffer); });
  each([&](Monster& m) {
    quick::rating(m.field(FIELD_CHALLENGE_RATING), m.cr, changes.ratingSteps);
    // Listen and Spot move as Wisdom rolls, wherever they were read from.
    m.extractRolls();
    m.listen = saturatingAdd(m.listen, changes.roll[WIS]);
    m.spot = saturatingAdd(m.spot, changes.roll[WIS]);
  });
}

}  // namespace veldarin
