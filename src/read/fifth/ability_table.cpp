#include "read/fifth/ability_table.h"

#include <algorithm>
#include <vector>

#include "monster/ascii.h"
#include "monster/monster.h"
#include "read/block_text.h"
#include "read/to_int.h"

namespace veldarin::fifth {

std::optional<std::size_t> abilityNamed(std::string_view word) {
  for (std::size_t i = 0; i < ABILITIES.size(); ++i) {
    if (equalsIgnoringCase(word, ABILITIES[i])) return i;
  }
  return std::nullopt;
}

AbilityTable readAbilityTable(std::string_view text) {
  struct Token {
    enum Kind { NAME, SCORE, SIGNED } kind;
    std::size_t ability = 0;   // NAME
    int value = 0;             // SCORE
    std::string_view printed;  // SIGNED
    std::size_t position = 0;
  };
  std::vector<Token> tokens;
  std::size_t firstDigit = std::string_view::npos;
  int depth = 0;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (isLetterChar(c)) {
      std::size_t end = i;
      while (end < text.size() && isLetterChar(text[end])) ++end;
      if (const auto ability = abilityNamed(text.substr(i, end - i))) {
        tokens.push_back({Token::NAME, *ability, 0, {}, i});
      }
      i = end;
    } else if (isDigitChar(c)) {
      if (firstDigit == std::string_view::npos) firstDigit = i;
      std::size_t end = i;
      while (end < text.size() && isDigitChar(text[end])) ++end;
      const std::size_t sign = signBefore(text, i);
      if (depth == 0) {
        if (sign > 0) {
          tokens.push_back({Token::SIGNED, 0, 0, text.substr(i - sign, end - i + sign), i});
        } else {
          tokens.push_back({Token::SCORE, 0, toInt(text, i), {}, i});
        }
      }
      i = end;
    } else {
      if (c == '(') ++depth;
      if (c == ')' && depth > 0) --depth;
      ++i;
    }
  }

  AbilityTable table;
  std::array<bool, 6> namedFirst{};
  std::size_t lastName = tokens.size();
  for (std::size_t t = 0; t < tokens.size() && tokens[t].position < firstDigit; ++t) {
    if (tokens[t].kind != Token::NAME) continue;
    namedFirst[tokens[t].ability] = true;
    lastName = t;
  }
  if (std::all_of(namedFirst.begin(), namedFirst.end(), [](bool named) { return named; })) {
    std::size_t next = 0;
    for (std::size_t t = lastName + 1; t < tokens.size() && next < table.scores.size(); ++t) {
      if (tokens[t].kind == Token::SCORE) table.scores[next++] = tokens[t].value;
    }
    return table;
  }
  std::array<bool, 6> seen{};
  for (std::size_t t = 0; t < tokens.size(); ++t) {
    if (tokens[t].kind != Token::NAME || seen[tokens[t].ability]) continue;
    const std::size_t ability = tokens[t].ability;
    seen[ability] = true;
    int signedAfterScore = 0;
    for (std::size_t u = t + 1; u < tokens.size() && tokens[u].kind != Token::NAME; ++u) {
      if (!table.scores[ability]) {
        if (tokens[u].kind == Token::SCORE) table.scores[ability] = tokens[u].value;
      } else if (tokens[u].kind == Token::SIGNED && ++signedAfterScore == 2) {
        table.saves[ability] = tokens[u].printed;
      }
    }
  }
  return table;
}

AbilityTexts abilityTexts(const AbilityTable& table,
                          const std::array<std::string, 6>& savingThrows) {
  const bool scored =
      std::all_of(table.scores.begin(), table.scores.end(),
                  [](const std::optional<int>& score) { return score.has_value(); });
  std::array<int, 6> modifiers{};
  AbilityTexts texts;
  for (std::size_t i = 0; i < ABILITIES.size(); ++i) {
    if (scored) {
      modifiers[i] = abilityModifier(*table.scores[i]);
      appendText(texts.abilities,
                 std::string(ABILITIES[i]) + " " + std::to_string(*table.scores[i]), ", ");
    }
    const std::string& printed = !savingThrows[i].empty() ? savingThrows[i] : table.saves[i];
    appendText(
        texts.saves,
        std::string(ABILITIES[i]) + " " + (printed.empty() ? signedText(modifiers[i]) : printed),
        ", ");
  }
  texts.dexterityModifier = modifiers[DEXTERITY];
  return texts;
}

}  // namespace veldarin::fifth
