#include <cstdint>
#include <limits>
#include <string_view>

#include "monster/ascii.h"
#include "monster/monster.h"
#include "read/to_int.h"

namespace veldarin {

namespace {

// Challenge-rating code for the denominator read after the "/".
int fractionCode(int denominator) {
  switch (denominator) {
    case 2:
      return -1;
    case 3:
      return -2;
    case 4:
      return -3;
    case 5:
    case 6:
      return -4;
    case 7:
    case 8:
    case 9:
      return -5;
    case 10:
    case 11:
    case 12:
      return -6;
    default:
      return 0;
  }
}

int challengeRating(std::string_view text) {
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) return toInt(text);
  return fractionCode(toInt(text, slash + 1));
}

// toInt of a keyword's number, or the fallback when the keyword is absent.
int afterKeyword(std::string_view text, std::string_view keyword, int fallback) {
  const std::size_t at = text.find(keyword);
  if (at == std::string_view::npos) return fallback;
  return toInt(text, at + keyword.size());
}

// Yields toInt(text, i) for i = 0, 1, 2, ... in order, in time linear in the text overall.
// Reading afresh at every position would be quadratic on long runs of spaces or digits, so the
// cursors below only ever move forward: the number read at i starts at the first non-space at
// or after i, and a digit run's value is fixed by its first non-zero digit and its end.
class ForwardNumberReader {
 public:
  explicit ForwardNumberReader(std::string_view text) : text_(text) {}

  int valueAt(std::size_t i) {
    if (nonSpace_ < i) nonSpace_ = i;
    while (nonSpace_ < text_.size() && isSpaceChar(text_[nonSpace_])) ++nonSpace_;
    bool negative = false;
    const std::size_t digits = nonSpace_ + signAt(text_, nonSpace_, negative);
    if (!haveRun_ || runEnd_ < digits) {
      haveRun_ = true;
      runEnd_ = digits;
      while (runEnd_ < text_.size() && isDigitChar(text_[runEnd_])) ++runEnd_;
    }
    if (firstNonZero_ < digits) firstNonZero_ = digits;
    while (firstNonZero_ < runEnd_ && text_[firstNonZero_] == '0') ++firstNonZero_;

    constexpr std::size_t MAX_SIGNIFICANT = 10;  // more digits than this exceed 32 bits
    if (runEnd_ - firstNonZero_ > MAX_SIGNIFICANT) {
      return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    std::int64_t magnitude = 0;
    for (std::size_t k = firstNonZero_; k < runEnd_; ++k)
      magnitude = magnitude * 10 + (text_[k] - '0');
    return clampToInt(negative ? -magnitude : magnitude);
  }

 private:
  std::string_view text_;
  std::size_t nonSpace_ = 0;
  bool haveRun_ = false;
  std::size_t runEnd_ = 0;
  std::size_t firstNonZero_ = 0;
};

// The largest number in the text, except the one that follows "base".
int highestSpeed(std::string_view text) {
  int speed = 0;
  bool skip = false;
  ForwardNumberReader reader(text);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int v = reader.valueAt(i);
    if (v == 0 || text[i] == ' ') {
      // The first letter rules out nearly every position before a whole comparison.
      if (text[i] == 'b' && text.substr(i).starts_with("base")) skip = true;
    } else if (skip) {
      skip = false;
    } else if (v > speed) {
      speed = v;
    }
  }
  return speed;
}

}  // namespace

void Monster::extractNumbers(bool rolls) {
  hitDice = toInt(field(FIELD_HIT_DICE));
  speed = highestSpeed(field(FIELD_SPEED));
  if (rolls) {
    extractRolls();
  } else {
    // The templates move the rating from the one read here.
    cr = challengeRating(field(FIELD_CHALLENGE_RATING));
  }

  const int wisdom = afterKeyword(field(FIELD_ABILITIES), "Wis", 0);
  const int defaultSkill = wisdom / 2 - 5;
  listen = afterKeyword(field(FIELD_SKILLS), "Listen", defaultSkill);
  spot = afterKeyword(field(FIELD_SKILLS), "Spot", defaultSkill);
  // A block's Init line gives them (Pathfinder's Perception took the place of both).
  if (pathfinder.listen) listen = *pathfinder.listen;
  if (pathfinder.spot) spot = *pathfinder.spot;

  // Perception stands for Listen and Spot in fifth edition.
  if (fifthEditionBlock) {
    const int wisdomModifier = abilityModifier(afterKeyword(field(FIELD_ABILITIES), "Wis ", 10));
    listen = spot = afterKeyword(field(FIELD_SKILLS), "Perception ", wisdomModifier);
  }
}

void Monster::extractRolls() {
  initiative = toInt(field(FIELD_INITIATIVE));
  armorClass = toInt(field(FIELD_AC));
  cr = challengeRating(field(FIELD_CHALLENGE_RATING));
  // Fifth edition saves by ability.
  const std::string& saves = field(FIELD_SAVES);
  fortSave = afterKeyword(saves, fifthEditionBlock ? "Con " : "Fort", 0);
  refSave = afterKeyword(saves, fifthEditionBlock ? "Dex " : "Ref", 0);
  willSave = afterKeyword(saves, fifthEditionBlock ? "Wis " : "Will", 0);
}

}  // namespace veldarin
