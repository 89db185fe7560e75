#include "templates/rating_scale.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "monster/ascii.h"
#include "monster/monster.h"
#include "read/block_text.h"
#include "read/to_int.h"
#include "system/console.h"
#include "templates/number_text.h"
#include "templates/rolls.h"
#include "templates/simple_template.h"

namespace veldarin {

namespace {

constexpr std::array<RatingRow, RATING_ROWS> ROWS{{
    {"0", 2, 13, 3, 4, 2},      {"1/8", 2, 13, 3, 9, 4},    {"1/4", 2, 13, 3, 14, 5},
    {"1/2", 2, 13, 3, 22, 6},   {"1", 2, 13, 3, 36, 7},     {"2", 2, 13, 3, 49, 9},
    {"3", 2, 13, 4, 66, 10},    {"4", 2, 14, 5, 82, 11},    {"5", 3, 15, 6, 97, 12},
    {"6", 3, 15, 6, 110, 13},   {"7", 3, 15, 6, 123, 15},   {"8", 3, 16, 7, 127, 16},
    {"9", 4, 16, 7, 150, 16},   {"10", 4, 17, 7, 153, 18},  {"11", 4, 17, 8, 172, 18},
    {"12", 4, 17, 8, 180, 20},  {"13", 5, 18, 8, 187, 20},  {"14", 5, 18, 8, 194, 20},
    {"15", 5, 18, 8, 212, 20},  {"16", 5, 18, 9, 231, 20},  {"17", 6, 19, 10, 253, 20},
    {"18", 6, 19, 10, 273, 21}, {"19", 6, 19, 10, 275, 21}, {"20", 6, 19, 10, 318, 21},
    {"21", 7, 19, 11, 318, 21}, {"22", 7, 19, 11, 425, 26}, {"23", 7, 19, 11, 448, 26},
    {"24", 7, 19, 12, 448, 26}, {"25", 8, 19, 12, 448, 31}, {"26", 8, 19, 12, 517, 32},
    {"27", 8, 19, 13, 517, 32}, {"28", 8, 19, 13, 571, 34}, {"29", 9, 19, 13, 624, 37},
    {"30", 9, 19, 14, 678, 39},
}};

// Past this, dice counts and sizes count as this many, so that the arithmetic stays in 64 bits.
constexpr long long MOST_DICE = 1LL << 24;

long long bounded(long long value) {
  return std::clamp(value, -MOST_DICE, MOST_DICE);
}

constexpr std::string_view OR = "; or ";

// The parts of a text between "; or ", the fifth-edition attacks' separator (names hold commas).
template <typename Visit>
void forEachAttack(std::string_view text, Visit visit) {
  std::size_t begin = 0;
  while (true) {
    const std::size_t end = text.find(OR, begin);
    visit(begin, end == std::string_view::npos ? text.size() : end);
    if (end == std::string_view::npos) return;
    begin = end + OR.size();
  }
}

constexpr std::array<std::string_view, 3> KINDS{" melee or ranged", " melee", " ranged"};

// "Bite +5 melee": the name, and the bonus that stands between it and the kind.
struct AttackParts {
  std::string_view name;
  std::string_view bonus;
  std::size_t bonusBegin = 0;  // in the item
};

AttackParts attackParts(std::string_view item) {
  std::string_view head = item;
  for (const std::string_view kind : KINDS) {
    if (head.ends_with(kind)) {
      head.remove_suffix(kind.size());
      break;
    }
  }
  const std::size_t space = head.rfind(' ');
  if (space == std::string_view::npos) return {head, {}, head.size()};
  return {head.substr(0, space), head.substr(space + 1), space + 1};
}

// A die expression's new dice and constant, by the ratio to / from.
std::string scaledDice(std::string_view text, const WrittenDice& dice, long long to,
                       long long from) {
  const long long count = bounded(dice.count);
  const long long sides = bounded(dice.sides);
  const long long constant = dice.constant ? bounded(dice.constant->value) : 0;
  // A monster scaled down loses strength too; scaled up, it gains dice, not strength.
  const long long newConstant = to >= from ? constant : roundHalfUp(constant * to, from);
  // m' = (a r - b') / ((Y + 1) / 2) with a = m (Y + 1) / 2 + b, over whole numbers.
  const long long numerator = (count * (sides + 1) + 2 * constant) * to - 2 * newConstant * from;
  const long long newCount = std::max(1LL, roundHalfUp(numerator, from * (sides + 1)));
  return diceWithCount(text, dice, newCount, clampToInt(newConstant));
}

}  // namespace

const RatingRow& ratingRow(std::size_t row) {
  return ROWS[std::min(row, ROWS.size() - 1)];
}

std::optional<std::size_t> targetRow(std::string_view value) {
  for (const auto& [text, row] : std::to_array<std::pair<std::string_view, std::size_t>>(
           {{"0", 0}, {"0.125", 1}, {".125", 1}, {"0.25", 2}, {".25", 2}, {"0.5", 3}, {".5", 3}})) {
    if (value == text) return row;
  }
  if (value.empty() || value.size() > 2 || value.front() == '0' ||
      !std::all_of(value.begin(), value.end(), isDigitChar)) {
    return std::nullopt;
  }
  const int rating = toInt(value);
  if (rating > 30) return std::nullopt;
  return static_cast<std::size_t>(rating) + 3;
}

std::optional<std::size_t> ratingRowOf(std::string_view rating) {
  for (std::size_t row = 0; row < ROWS.size(); ++row) {
    if (rating == ROWS[row].rating) return row;
  }
  return std::nullopt;
}

namespace scale {

std::string hitDice(std::string_view text, int& points, const RatingRow& from,
                    const RatingRow& to) {
  const auto count = hitPointCount(text);
  if (count) points = count->value;
  if (points < 0) return std::string(text);
  const long long target =
      roundHalfUp(static_cast<long long>(points) * to.hitPoints, from.hitPoints);
  long long changed = std::max(1LL, target);
  TextEdits edits(text);
  const auto dice = nextDice(text.substr(0, count ? text.rfind('(') : text.size()), 0);
  if (dice && dice->count > 0) {
    const long long n = bounded(dice->count);
    const long long sides = bounded(dice->sides);
    const long long perDie = (dice->constant ? dice->constant->value : 0) / n;
    const long long twiceAverage = sides + 1 + 2 * perDie;  // of one die with its share
    if (twiceAverage > 0) {
      const long long newCount = std::max(1LL, roundHalfUp(2 * target, twiceAverage));
      changed = std::max(1LL, newCount * (sides + 1) / 2 + newCount * perDie);
      edits.replace(dice->begin, dice->end,
                    diceWithCount(text, *dice, newCount, clampToInt(newCount * perDie)));
    }
  }
  points = clampToInt(changed);
  if (count) edits.replace(*count, points);
  return edits.applied();
}

std::string damage(std::string_view text, const RatingRow& from, const RatingRow& to) {
  TextEdits edits(text);
  forEachAttack(text, [&](std::size_t begin, std::size_t end) {
    const std::string_view item = text.substr(0, end);
    bool anyDice = false;
    for (auto dice = nextDice(item, begin); dice; dice = nextDice(item, dice->end)) {
      anyDice = true;
      edits.replace(dice->begin, dice->end,
                    scaledDice(text, *dice, to.largestHit, from.largestHit));
    }
    if (anyDice) return;
    if (const auto flat = nextNumber(item, begin)) {
      edits.replace(*flat, clampToInt(std::max(
                               1LL, roundHalfUp(static_cast<long long>(flat->value) * to.largestHit,
                                                from.largestHit))));
    }
  });
  return edits.applied();
}

std::string attacks(std::string_view text, int change) {
  TextEdits edits(text);
  forEachAttack(text, [&](std::size_t begin, std::size_t end) {
    const AttackParts parts = attackParts(text.substr(begin, end - begin));
    const std::size_t at = begin + parts.bonusBegin;
    if (const auto bonus = numberAt(text.substr(0, end), at); bonus && !bonus->sign.empty()) {
      edits.replace(*bonus, saturatingAdd(bonus->value, change));
    }
  });
  return edits.applied();
}

std::string saves(std::string_view text, std::string_view abilities, int change) {
  TextEdits edits(text);
  forEachPart(
      text,
      [&](std::string_view part) {
        const std::size_t begin = static_cast<std::size_t>(part.data() - text.data());
        const std::string_view name = part.substr(0, 3);
        const auto save = numberAt(text, begin + std::min<std::size_t>(4, part.size()));
        if (!save) return;
        // Without scores every modifier counts as +0.
        const std::size_t score = abilities.find(std::string(name) + " ");
        const int modifier =
            score == std::string_view::npos ? 0 : abilityModifier(toInt(abilities, score + 4));
        if (save->value != modifier) edits.replace(*save, saturatingAdd(save->value, change));
      },
      ", ");
  return edits.applied();
}

std::string condensedAttacks(std::string_view attacks, std::string_view damage) {
  if (attacks == "-") return std::string(attacks);
  std::vector<std::string_view> damages;
  forEachAttack(damage, [&](std::size_t begin, std::size_t end) {
    damages.push_back(damage.substr(begin, end - begin));
  });
  std::string condensed;
  std::size_t i = 0;
  forEachAttack(attacks, [&](std::size_t begin, std::size_t end) {
    const AttackParts parts = attackParts(attacks.substr(begin, end - begin));
    std::string_view hit = i < damages.size() ? damages[i] : std::string_view("-");
    ++i;
    if (hit.starts_with(parts.name) && hit.substr(parts.name.size()).starts_with(" ")) {
      hit.remove_prefix(parts.name.size() + 1);
    }
    appendText(condensed,
               lowerCased(std::string(parts.name) + " " + std::string(parts.bonus) + " (" +
                          std::string(hit) + ")"),
               ", ");
  });
  return condensed;
}

}  // namespace scale

void Monster::scaleToRating(std::size_t target) {
  const auto own = ratingRowOf(field(FIELD_CHALLENGE_RATING));
  if (!own || *own == target) return;
  const RatingRow& from = ratingRow(*own);
  const RatingRow& to = ratingRow(target);

  field(FIELD_CHALLENGE_RATING) = to.rating;
  TextEdits armor(field(FIELD_AC));
  if (const auto number = nextNumber(field(FIELD_AC), 0)) {
    armor.replace(*number, saturatingAdd(number->value, to.armorClass - from.armorClass));
    armor.applyTo(field(FIELD_AC));
  }
  int points = -1;
  const auto pointsNumber = nextNumber(field(FIELD_HIT_POINTS), 0);
  if (pointsNumber) points = pointsNumber->value;
  field(FIELD_HIT_DICE) = scale::hitDice(field(FIELD_HIT_DICE), points, from, to);
  if (pointsNumber) {
    TextEdits edits(field(FIELD_HIT_POINTS));
    edits.replace(*pointsNumber, points);
    edits.applyTo(field(FIELD_HIT_POINTS));
  }
  field(FIELD_ATTACKS) = scale::attacks(field(FIELD_ATTACKS), to.attack - from.attack);
  field(FIELD_DAMAGE) = scale::damage(field(FIELD_DAMAGE), from, to);
  field(FIELD_ABBR_ATTACKS) = scale::condensedAttacks(field(FIELD_ATTACKS), field(FIELD_DAMAGE));
  const int proficiency = to.proficiency - from.proficiency;
  field(FIELD_SAVES) = scale::saves(field(FIELD_SAVES), field(FIELD_ABILITIES), proficiency);
  RollChanges skills;
  skills.roll.fill(proficiency);
  std::string buffer;
  quick::skills(field(FIELD_SKILLS), skills, false, buffer);
  extractNumbers();
}

bool MonsterGroup::scaleToRating(std::optional<std::size_t> target) {
  if (!target) return true;
  if (std::any_of(monsters.begin(), monsters.end(),
                  [](const Monster& monster) { return !monster.fifthEditionBlock; })) {
    printLine("scaleToRating(): scaling to a challenge rating needs fifth-edition monsters.");
    return false;
  }
  for (Monster& monster : monsters) monster.scaleToRating(*target);
  return true;
}

}  // namespace veldarin
