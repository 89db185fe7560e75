#include "read/fifth/paragraph.h"

#include <algorithm>
#include <array>
#include <utility>

#include "monster/ascii.h"
#include "monster/monster.h"
#include "read/block_text.h"
#include "read/to_int.h"

namespace veldarin {

namespace {

constexpr std::size_t MAX_NAME_WORDS = 8;
constexpr std::size_t MAX_TYPE_WORDS = 3;

constexpr auto SMALL_WORDS =
    std::to_array<std::string_view>({"a", "an", "and", "as", "at", "by", "for", "from", "in", "of",
                                     "on", "or", "the", "to", "with"});

bool nameWordFits(std::string_view word, bool first) {
  const char c = word.front();
  if (first) return isUpperChar(c) || c == '+';
  return isUpperChar(c) || isDigitChar(c) || c == '+' || c == '(' ||
         std::find(SMALL_WORDS.begin(), SMALL_WORDS.end(), word) != SMALL_WORDS.end();
}

// The first "." that a space or the end follows.
std::size_t sentenceEnd(std::string_view text) {
  std::size_t dot = text.find('.');
  while (dot != std::string_view::npos && dot + 1 < text.size() && text[dot + 1] != ' ') {
    dot = text.find('.', dot + 1);
  }
  return dot;
}

// Where one to three words from `start` end when " damage" follows them; none when a word
// holds one of the `forbidden` characters first.
std::optional<std::size_t> wordsBeforeDamage(std::string_view text, std::size_t start,
                                             std::string_view forbidden) {
  std::size_t wordStart = start;
  for (std::size_t words = 0; words < MAX_TYPE_WORDS; ++words) {
    std::size_t wordEnd = text.find(' ', wordStart);
    if (wordEnd == std::string_view::npos) wordEnd = text.size();
    const std::string_view word = text.substr(wordStart, wordEnd - wordStart);
    if (word.empty() || word.find_first_of(forbidden) != std::string_view::npos) return {};
    if (text.substr(wordEnd).starts_with(" damage")) return wordEnd;
    if (wordEnd == text.size()) return {};
    wordStart = wordEnd + 1;
  }
  return {};
}

constexpr std::string_view DIGITS = "0123456789";

// The damage type after a dice group's ") ": the words up to " damage", or else one word of
// letters that is not a joining word.
std::string_view damageType(std::string_view text, std::size_t close) {
  if (close + 1 >= text.size() || text[close + 1] != ' ') return {};
  const std::size_t start = close + 2;
  if (const auto end = wordsBeforeDamage(text, start, "0123456789.(")) {
    return text.substr(start, *end - start);
  }
  std::size_t end = start;
  while (end < text.size() && isLetterChar(text[end])) ++end;
  const std::string_view word = text.substr(start, end - start);
  if (word == "plus" || word == "and" || word == "or") return {};
  return word;
}

struct DamageItem {
  std::string text;
  std::size_t end;
};

// Finds the damage items of a text: "5 (1d6 + 2) slashing" and "1 Slashing damage". The next
// parentheses are kept as cursors that only move forward, so a text full of "7 (" without a ")"
// is still read in linear time.
class DamageScanner {
 public:
  explicit DamageScanner(std::string_view text) : text_(text) {}

  std::optional<DamageItem> at(std::size_t i) {
    const std::string_view text = text_;
    if (!isDigitChar(text[i])) return {};
    if (i > 0 && (isDigitChar(text[i - 1]) || isLetterChar(text[i - 1]))) return {};
    if (signBefore(text, i) > 0) return {};
    std::size_t end = i;
    while (end < text.size() && isDigitChar(text[end])) ++end;

    if (text.substr(end).starts_with(" (")) {
      const std::size_t diceStart = end + 2;
      const std::size_t close = next(')', diceStart, close_);
      const std::size_t open = next('(', diceStart, open_);
      if (close != std::string_view::npos && open > close) {
        const std::string_view dice = text.substr(diceStart, close - diceStart);
        if (!dice.empty() && isDigitChar(dice.front()) &&
            dice.find('d') != std::string_view::npos) {
          std::string item = withoutSpacesAroundSigns(dice);
          const std::string_view type = damageType(text, close);
          if (!type.empty()) item.append(" ").append(type);
          return DamageItem{item, close + 1};
        }
      }
    }
    if (i >= 3 && text.substr(i - 3, 3) == "DC ") return {};
    if (end < text.size() && text[end] == ' ') {
      if (const auto typeEnd = wordsBeforeDamage(text, end + 1, "0123456789()")) {
        return DamageItem{std::string(text.substr(i, *typeEnd - i)), *typeEnd};
      }
    }
    return {};
  }

 private:
  std::size_t next(char c, std::size_t from, std::size_t& cursor) const {
    if (cursor != std::string_view::npos && cursor < from) {
      cursor = text_.find(c, from);
    }
    return cursor;
  }

  std::string_view text_;
  std::size_t close_ = 0;
  std::size_t open_ = 0;
};

// The damage of an attack's text after its mark: the items of the hit text, joined with
// " plus ", or "-".
std::string damageOf(std::string_view body, std::size_t afterMark) {
  std::string_view hit;
  constexpr std::string_view HIT = "Hit:";
  const std::size_t hitAt = body.find(HIT, afterMark);
  if (hitAt != std::string_view::npos) {
    hit = body.substr(hitAt + HIT.size());
    hit = withoutLeading(hit, " ");
  } else {
    // Some books leave "Hit:" out: the hit text begins at the first damage.
    DamageScanner scanner(body);
    for (std::size_t i = afterMark; i < body.size(); ++i) {
      if (scanner.at(i)) {
        hit = body.substr(i);
        break;
      }
    }
  }
  hit = hit.substr(0, sentenceEnd(hit));
  for (std::size_t at = hit.find(" or "); at != std::string_view::npos;
       at = hit.find(" or ", at + 1)) {
    if (at + 4 < hit.size() && isDigitChar(hit[at + 4])) {
      hit = hit.substr(0, at);
      break;
    }
  }

  std::string damage;
  DamageScanner scanner(hit);
  for (std::size_t i = 0; i < hit.size();) {
    if (auto item = scanner.at(i)) {
      appendText(damage, item->text, " plus ");
      i = item->end;
    } else {
      ++i;
    }
  }
  return damage.empty() ? std::string("-") : damage;
}

// The whole number after "reach ", or right after "to hit, " when " ft." follows it.
std::optional<int> reachOf(std::string_view body) {
  const auto numberAfter = [body](std::string_view word) -> std::optional<std::size_t> {
    const std::size_t at = body.find(word);
    if (at == std::string_view::npos) return {};
    const std::size_t number = at + word.size();
    if (number >= body.size() || !isDigitChar(body[number])) return {};
    return number;
  };
  if (const auto reach = numberAfter("reach ")) return toInt(body, *reach);
  if (const auto number = numberAfter("to hit, ")) {
    const std::size_t end = body.find_first_not_of(DIGITS, *number);
    if (body.substr(std::min(end, body.size())).starts_with(" ft.")) return toInt(body, *number);
  }
  return {};
}

// One to eight words outside parentheses, the first capitalised (or "+1"), the others
// capitalised, numbers, parenthesised or small words.
bool paragraphNameFits(std::string_view name) {
  std::size_t words = 0;
  int depth = 0;
  std::size_t start = 0;
  while (start < name.size()) {
    std::size_t end = name.find(' ', start);
    if (end == std::string_view::npos) end = name.size();
    const std::string_view word = name.substr(start, end - start);
    if (!word.empty()) {
      if (depth == 0) {
        if (++words > MAX_NAME_WORDS || !nameWordFits(word, words == 1)) return false;
      }
      for (const char c : word) {
        if (c == '(') ++depth;
        if (c == ')' && depth > 0) --depth;
      }
    }
    start = end + 1;
  }
  return words > 0;
}

constexpr std::size_t NONE = std::string_view::npos;

// Where dice such as "1d6+1" that begin at `i` end; none for anything else.
std::size_t diceEnd(std::string_view text, std::size_t i) {
  const auto digitsFrom = [text](std::size_t at) {
    while (at < text.size() && isDigitChar(text[at])) ++at;
    return at;
  };
  const std::size_t count = digitsFrom(i);
  if (count == i || count >= text.size() || text[count] != 'd') return NONE;
  std::size_t end = digitsFrom(count + 1);
  if (end == count + 1) return NONE;
  if (end + 1 < text.size() && (text[end] == '+' || text[end] == '-') &&
      isDigitChar(text[end + 1])) {
    end = digitsFrom(end + 1);
  }
  return end;
}

// A compendium's shorthand damage ("3d10+6 bludgeoning + 2d8 necrotic"): the first dice with
// the word after them, and the dice joined to them by " + ".
std::string shorthandDamage(std::string_view text) {
  std::size_t i = 0;
  for (; i < text.size(); ++i) {
    // Only where a run of digits begins, so that each run is looked at once.
    const bool runStart = isDigitChar(text[i]) &&
                          (i == 0 || !(isDigitChar(text[i - 1]) || isLetterChar(text[i - 1])));
    if (runStart && diceEnd(text, i) != NONE) break;
  }
  std::string damage;
  while (i < text.size()) {
    const std::size_t end = diceEnd(text, i);
    if (end == NONE) break;
    std::string item(text.substr(i, end - i));
    std::size_t at = end;
    if (at < text.size() && text[at] == ' ') {
      std::size_t wordEnd = at + 1;
      while (wordEnd < text.size() && isLetterChar(text[wordEnd])) ++wordEnd;
      const std::string_view word = text.substr(at + 1, wordEnd - at - 1);
      if (!word.empty() && word != "plus" &&
          std::find(SMALL_WORDS.begin(), SMALL_WORDS.end(), word) == SMALL_WORDS.end()) {
        item.append(" ").append(word);
        at = wordEnd;
      }
    }
    appendText(damage, item, " plus ");
    if (text.substr(at).starts_with(" damage")) at += std::string_view(" damage").size();
    if (!text.substr(at).starts_with(" + ")) break;
    i = at + 3;
  }
  return damage.empty() ? std::string("-") : damage;
}

// A range "80/320": a "/" between digits.
bool holdsRange(std::string_view text) {
  for (std::size_t at = text.find('/'); at != NONE; at = text.find('/', at + 1)) {
    if (at > 0 && isDigitChar(text[at - 1]) && at + 1 < text.size() && isDigitChar(text[at + 1])) {
      return true;
    }
  }
  return false;
}

// "10 ft reach": the number before " ft reach".
std::optional<int> shorthandReach(std::string_view text) {
  const std::size_t at = text.find(" ft reach");
  if (at == NONE || at == 0 || !isDigitChar(text[at - 1])) return {};
  std::size_t start = at;
  while (start > 0 && isDigitChar(text[start - 1])) --start;
  return toInt(text, start);
}

}  // namespace

std::optional<std::size_t> paragraphNameSize(std::string_view line) {
  const std::size_t dot = sentenceEnd(line);
  if (dot == std::string_view::npos || !paragraphNameFits(line.substr(0, dot))) return {};
  return dot;
}

std::optional<std::size_t> colonNameSize(std::string_view line) {
  const std::size_t colon = line.find(": ");
  if (colon == std::string_view::npos || !paragraphNameFits(line.substr(0, colon))) return {};
  return colon;
}

void joinBrokenWords(std::string& text) {
  std::string joined;
  joined.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '-' && i > 0 && i + 2 < text.size() && text[i + 1] == ' ' &&
        isLowerChar(text[i - 1]) && isLowerChar(text[i + 2])) {
      ++i;  // the space too
      continue;
    }
    joined += text[i];
  }
  text = std::move(joined);
}

std::string withoutSpacesAroundSigns(std::string_view dice) {
  std::string out;
  out.reserve(dice.size());
  for (std::size_t i = 0; i < dice.size();) {
    if (dice[i] != ' ') {
      out += dice[i++];
      continue;
    }
    std::size_t end = i;
    while (end < dice.size() && dice[end] == ' ') ++end;
    bool negative = false;
    const bool signAfter = signAt(dice, end, negative) > 0;
    if (!signAfter && signBefore(out, out.size()) == 0) out.append(dice.substr(i, end - i));
    i = end;
  }
  return out;
}

std::optional<FifthAttack> readAttack(std::string_view name, std::string_view body) {
  const bool melee = body.starts_with("Melee");
  if (!melee && !body.starts_with("Ranged")) return {};
  const std::size_t colon = body.find(':');
  std::size_t mark = std::string_view::npos;
  std::size_t markSize = 0;
  constexpr std::string_view ATTACK = "Attack";
  for (std::size_t at = body.find(ATTACK); at != std::string_view::npos && at <= colon;
       at = body.find(ATTACK, at + 1)) {
    const std::string_view after = body.substr(at + ATTACK.size());
    if (after.starts_with(':') || after.starts_with('.')) {
      markSize = ATTACK.size() + 1;
    } else if (after.starts_with(" Roll:") || after.starts_with(" Roll.")) {
      markSize = ATTACK.size() + 6;
    } else {
      continue;
    }
    mark = at;
    break;
  }
  if (mark == std::string_view::npos) return {};

  FifthAttack attack;
  attack.name = name;
  attack.kind = body.starts_with("Melee or Ranged") ? " melee or ranged"
                : melee                             ? " melee"
                                                    : " ranged";
  const std::size_t afterMark = mark + markSize;
  std::size_t bonus = afterMark;
  while (bonus < body.size() && body[bonus] == ' ') ++bonus;
  attack.bonus = body.substr(bonus, body.find_first_of(" ,", bonus) - bonus);
  attack.damage = damageOf(body, afterMark);
  if (melee) attack.reach = reachOf(body);
  return attack;
}

std::optional<FifthAttack> readShorthandAttack(std::string_view name, std::string_view body) {
  bool negative = false;
  const std::size_t sign = signAt(body, 0, negative);
  std::size_t end = sign;
  while (end < body.size() && isDigitChar(body[end])) ++end;
  if (sign == 0 || end == sign || !body.substr(end).starts_with(" to hit")) return {};
  const std::string_view rest = body.substr(end);
  FifthAttack attack;
  attack.name = name;
  attack.bonus = body.substr(0, end);
  const bool ranged = holdsRange(rest);
  attack.kind = ranged ? " ranged" : " melee";
  attack.damage = shorthandDamage(rest);
  if (!ranged) attack.reach = shorthandReach(rest);
  return attack;
}

void writeAttacks(const std::vector<FifthAttack>& attacks, Monster& monster) {
  std::string list;
  std::string damage;
  std::string condensed;
  for (const FifthAttack& attack : attacks) {
    appendText(list, attack.name + " " + attack.bonus + std::string(attack.kind), "; or ");
    appendText(damage, attack.name + " " + attack.damage, "; or ");
    appendText(condensed, lowerCased(attack.name + " " + attack.bonus + " (" + attack.damage + ")"),
               ", ");
  }
  const auto orNone = [](const std::string& text) {
    return text.empty() ? std::string("-") : text;
  };
  monster.field(FIELD_ATTACKS) = orNone(list);
  monster.field(FIELD_DAMAGE) = orNone(damage);
  monster.field(FIELD_ABBR_ATTACKS) = orNone(condensed);
}

int meleeReach(const std::vector<FifthAttack>& attacks) {
  constexpr int STANDARD_REACH = 5;
  for (const FifthAttack& attack : attacks) {
    if (attack.kind.find("melee") != std::string_view::npos) {
      return attack.reach.value_or(STANDARD_REACH);
    }
  }
  return STANDARD_REACH;
}

}  // namespace veldarin
