#include "templates/number_text.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "templates/written_number.h"

namespace veldarin {

namespace {

using written::NUMBER_ROOM;
using written::writeMagnitude;
using written::writeText;

// The spaces between the dice's old sign and its digits ("2d6 + 3").
std::string_view spacesAfterSign(std::string_view text, const WrittenNumber& old) {
  const std::size_t signEnd = old.begin + old.sign.size();
  std::size_t digits = signEnd;
  while (digits < text.size() && text[digits] == ' ') ++digits;
  return text.substr(signEnd, digits - signEnd);
}

// The most bytes writeConstant writes for these dice.
std::size_t constantRoom(std::string_view text, const WrittenDice& dice) {
  if (!dice.constant) return 1 + NUMBER_ROOM;
  return dice.gap.size() + spacesAfterSign(text, *dice.constant).size() + NUMBER_ROOM;
}

// Whether the dice's constant is not `constant`: then writes at `out` what replaces the text
// after the dice, the sign keeping its spaces on both sides ("2d6 + 3"), nothing for 0, and
// moves `out` past it.
bool writeConstant(char*& out, std::string_view text, const WrittenDice& dice, int constant) {
  if (!dice.constant) {
    if (constant == 0) return false;
    *out++ = constant < 0 ? '-' : '+';
    out = writeMagnitude(out, constant);
    return true;
  }
  const WrittenNumber& old = *dice.constant;
  if (constant == old.value) return false;
  if (constant == 0) return true;
  out = writeText(out, dice.gap);
  if (constant >= 0) {
    *out++ = '+';
  } else {
    out = writeText(out, old.sign != "+" ? old.sign : "-");
  }
  out = writeText(out, spacesAfterSign(text, old));
  out = writeMagnitude(out, constant);
  return true;
}

}  // namespace

std::optional<WrittenNumber> hitPointCount(std::string_view text) {
  const std::size_t open = text.rfind('(');
  if (open == std::string_view::npos) return std::nullopt;
  auto count = numberAt(text, open + 1);
  const std::string_view after = count ? text.substr(count->end) : std::string_view();
  if (!after.starts_with(" hp") && !after.starts_with(")")) return std::nullopt;
  return count;
}

std::string diceWithConstant(std::string_view text, const WrittenDice& dice, int constant) {
  std::string written(text.substr(dice.begin, dice.diceEnd - dice.begin));
  const std::size_t diceSize = written.size();
  written.resize(diceSize + constantRoom(text, dice));
  char* end = written.data() + diceSize;
  if (!writeConstant(end, text, dice, constant)) {
    return std::string(text.substr(dice.begin, dice.end - dice.begin));
  }
  written.resize(static_cast<std::size_t>(end - written.data()));
  return written;
}

std::string diceWithCount(std::string_view text, const WrittenDice& dice, long long count,
                          int constant) {
  std::string written = diceWithConstant(text, dice, constant);
  if (count != dice.count) written.replace(0, dice.countEnd - dice.begin, std::to_string(count));
  return written;
}

void TextEdits::grow(std::size_t more) {
  edited_.resize(std::max(2 * edited_.size(), length_ + more));
}

void TextEdits::replace(std::size_t begin, std::size_t end, std::string_view text) {
  if (end < begin || end > original_.size() || !copyUpTo(begin)) return;
  wrote(writeText(room(text.size()), text));
  copied_ = end;
}

void TextEdits::replaceConstant(const WrittenDice& dice, int constant) {
  const bool same = dice.constant ? dice.constant->value == constant : constant == 0;
  if (same || !copyUpTo(dice.diceEnd)) return;
  char* end = room(constantRoom(original_, dice));
  writeConstant(end, original_, dice, constant);
  wrote(end);
  copied_ = dice.end;
}

std::string TextEdits::applied() const {
  if (!any_) return std::string(original_);
  std::string text(edited_.data(), length_);
  return text.append(original_.substr(copied_));
}

void TextEdits::applyTo(std::string& text) {
  if (!any_) return;
  any_ = false;
  // Edits that kept the length of the text they edited change only its first `copied_` bytes.
  if (length_ == copied_ && text.data() == original_.data() && text.size() == original_.size()) {
    writeText(text.data(), {edited_.data(), length_});
    copied_ = original_.size();
    length_ = 0;
    return;
  }
  const std::string_view rest = original_.substr(copied_);
  wrote(writeText(room(rest.size()), rest));
  copied_ = original_.size();
  // Into the text's own storage, which mostly has room: no allocation per field.
  if (length_ > text.capacity()) {
    text.clear();
    reserveExactly(text, length_);
  }
  text.assign(edited_.data(), length_);
  length_ = 0;
}

void reserveExactly(std::string& text, std::size_t size) {
  if (size <= text.capacity()) return;
  std::string grown;
  grown.reserve(size);
  grown.assign(text);
  text.swap(grown);
}

long long roundHalfUp(long long numerator, long long denominator) {
  const long long twice = 2 * numerator + denominator;
  const long long under = 2 * denominator;
  // Division that rounds toward minus infinity.
  return twice / under - (twice % under < 0 ? 1 : 0);
}

std::string ratingText(int cr) {
  switch (cr) {
    case -1:
      return "1/2";
    case -2:
      return "1/3";
    case -3:
      return "1/4";
    case -4:
      return "1/6";
    case -5:
      return "1/8";
    case -6:
      return "1/10";
    default:
      return std::to_string(cr);
  }
}

}  // namespace veldarin
