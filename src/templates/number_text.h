#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "templates/written_number.h"

// Numbers and dice as a field's text writes them, and their rewriting in the text's own style:
// the helpers that the templates and the rating scaler share.
namespace veldarin {

// The hit points a hit dice text counts in its last parentheses: "(57 hp)", or 3.0's bare "(26)".
std::optional<WrittenNumber> hitPointCount(std::string_view text);

// The dice with a new constant, in the text's style: unchanged when the constant is, without
// its sign and spaces when it becomes 0, after the dice with "+" or "-" when there was none.
std::string diceWithConstant(std::string_view text, const WrittenDice& dice, int constant);
// The same with a new count of dice.
std::string diceWithCount(std::string_view text, const WrittenDice& dice, long long count,
                          int constant);

// Replacements of parts of a text, made as they come in one pass over it, so that many of them
// stay linear. The text must outlive the edits.
class TextEdits {
 public:
  explicit TextEdits(std::string_view original) : original_(original), edited_(own_) {}
  // The same building the text in `buffer`, which a caller reuses from text to text.
  TextEdits(std::string_view original, std::string& buffer)
      : original_(original), edited_(buffer) {}
  TextEdits(const TextEdits&) = delete;
  TextEdits& operator=(const TextEdits&) = delete;

  // Replaces [begin, end) of the text; replacements come in ascending order, and one that
  // overlaps an earlier one is left out.
  void replace(std::size_t begin, std::size_t end, std::string_view text);
  // The number rewritten to the value in its style: a sign where it had one ("+" for zero and
  // above, its own dash below zero, "-" when it had "+"), none where it had none ("-" below
  // zero); nothing when the value is its own.
  inline void replace(const WrittenNumber& number, int value);
  // The dice's constant, as diceWithConstant writes it.
  void replaceConstant(const WrittenDice& dice, int constant);
  // The text with the replacements.
  std::string applied() const;
  // The same into `text`, which is left alone when nothing was replaced.
  void applyTo(std::string& text);

 private:
  // Where `more` bytes go after the text built so far, with room for them.
  char* room(std::size_t more) {
    if (more > edited_.size() - length_) grow(more);
    return edited_.data() + length_;
  }
  void grow(std::size_t more);
  // The text built so far ends at `end`.
  void wrote(const char* end) { length_ = static_cast<std::size_t>(end - edited_.data()); }
  inline bool copyUpTo(std::size_t begin);

  std::string_view original_;
  std::string own_;
  // Its first `length_` bytes are the text up to `copied_`, replacements made; the rest is room,
  // kept from text to text.
  std::string& edited_;
  std::size_t length_ = 0;
  std::size_t copied_ = 0;
  bool any_ = false;
};

// Room for `size` bytes in a block of about that size, where reserve would take twice the old
// one: fields that each grow by a few bytes keep their memory, and their run its speed.
void reserveExactly(std::string& text, std::size_t size);

// numerator / denominator rounded half up (2.5 to 3, -2.5 to -2); the denominator is positive.
long long roundHalfUp(long long numerator, long long denominator);

// A challenge rating's code (a whole rating, or -1 to -6 for 1/2 to 1/10) as a block writes it.
std::string ratingText(int cr);

inline bool TextEdits::copyUpTo(std::size_t begin) {
  if (begin < copied_ || begin > original_.size()) return false;
  any_ = true;
  const std::string_view part = original_.substr(copied_, begin - copied_);
  wrote(written::writeText(room(part.size()), part));
  return true;
}

inline void TextEdits::replace(const WrittenNumber& number, int value) {
  if (value == number.value || !copyUpTo(number.begin)) return;
  wrote(written::writeLike(room(written::NUMBER_ROOM), number, value));
  copied_ = number.end;
}

}  // namespace veldarin
