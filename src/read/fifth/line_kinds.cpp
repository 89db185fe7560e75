#include "read/fifth/line_kinds.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "monster/ascii.h"
#include "read/block_text.h"

namespace veldarin::fifth {

namespace {

// A label ("Armor Class", "AC"), optionally ":", then a space and a digit.
bool labelledNumber(std::string_view line, std::string_view label) {
  if (!line.starts_with(label)) return false;
  std::size_t at = label.size();
  if (at < line.size() && line[at] == ':') ++at;
  return at + 1 < line.size() && line[at] == ' ' && isDigitChar(line[at + 1]);
}

// "HP7 (2d6)": PDF conversions run the value into the label.
bool runInHitPoints(std::string_view line) {
  return line.size() > 2 && line.starts_with("HP") && isDigitChar(line[2]);
}

constexpr std::array<std::string_view, 6> SIZES{"Tiny",  "Small", "Medium",
                                                "Large", "Huge",  "Gargantuan"};

struct Keyword {
  std::string_view text;
  Stat stat;
};

constexpr auto KEYWORDS = std::to_array<Keyword>({
    {"Armor Class", Stat::ARMOR_CLASS},
    {"AC", Stat::ARMOR_CLASS},
    {"Initiative", Stat::INITIATIVE},
    {"Hit Points", Stat::HIT_POINTS},
    {"HP", Stat::HIT_POINTS},
    {"Speed", Stat::SPEED},
    {"Saving Throws", Stat::SAVING_THROWS},
    {"Skills", Stat::SKILLS},
    {"Damage Vulnerabilities", Stat::VULNERABLE},
    {"Vulnerabilities", Stat::VULNERABLE},
    {"Damage Resistances", Stat::RESIST},
    {"Resistances", Stat::RESIST},
    {"Damage Immunities", Stat::IMMUNE},
    {"Condition Immunities", Stat::IMMUNE},
    {"Immunities", Stat::IMMUNE},
    {"Senses", Stat::SENSES},
    {"Challenge", Stat::CHALLENGE},
    {"CR", Stat::CHALLENGE},
    {"Languages", Stat::DROP},
    {"Proficiency Bonus", Stat::DROP},
    {"Gear", Stat::DROP},
});

// Sites write "Armor Class: 17" and "Damage Vulnerabilities. fire".
constexpr std::string_view KEYWORD_ENDS = " :.";

constexpr auto HEADINGS = std::to_array<Heading>({
    {"Traits", Section::TRAITS},
    {"Actions", Section::ACTIONS},
    {"Bonus Actions", Section::ACTIONS},
    {"Reactions", Section::REACTIONS},
    {"Legendary Actions", Section::DROPPED},
    {"Lair Actions", Section::DROPPED},
    {"Mythic Actions", Section::DROPPED},
    {"Villain Actions", Section::DROPPED},
});

struct AlignmentCode {
  std::string_view text;
  std::string_view code;
};

constexpr auto ALIGNMENT_CODES = std::to_array<AlignmentCode>({
    {"lawful good", "LG"},
    {"neutral good", "NG"},
    {"chaotic good", "CG"},
    {"lawful neutral", "LN"},
    {"neutral", "N"},
    {"chaotic neutral", "CN"},
    {"lawful evil", "LE"},
    {"neutral evil", "NE"},
    {"chaotic evil", "CE"},
});

}  // namespace

bool armorClassLine(std::string_view line) {
  return labelledNumber(line, "Armor Class") || labelledNumber(line, "AC");
}

bool labelledLine(std::string_view line) {
  constexpr std::size_t MOST_WORDS = 3;
  std::size_t words = 0;
  std::size_t at = 0;
  while (words < MOST_WORDS) {
    const std::size_t start = at;
    while (at < line.size() && isLetterChar(line[at])) ++at;
    if (at == start) return false;
    ++words;
    if (line.substr(at).starts_with(": ")) return true;
    if (at >= line.size() || line[at] != ' ') return false;
    ++at;
  }
  return false;
}

bool hitPointsLine(std::string_view line) {
  return labelledNumber(line, "Hit Points") || labelledNumber(line, "HP") || runInHitPoints(line);
}

std::optional<std::size_t> sizeOf(std::string_view line) {
  for (std::size_t i = 0; i < SIZES.size(); ++i) {
    if (startsWithIgnoringCase(line, SIZES[i]) && line.size() > SIZES[i].size() &&
        line[SIZES[i].size()] == ' ') {
      return i;
    }
  }
  return std::nullopt;
}

std::optional<std::string_view> typeOf(std::string_view line) {
  if (sizeOf(line)) return line;
  for (const std::string_view article : {" is a ", " is an "}) {
    const std::size_t at = line.find(article);
    if (at == std::string_view::npos) continue;
    std::string_view type = line.substr(at + article.size());
    if (!sizeOf(type)) return std::nullopt;
    const std::size_t comma = type.find(", ");
    const std::size_t end =
        comma == std::string_view::npos ? type.npos : type.find(", ", comma + 2);
    type = withoutTrailing(type.substr(0, end), ".");
    return type;
  }
  return std::nullopt;
}

bool strengthFirst(std::string_view line) {
  line = withoutLeading(line, " ");
  return startsWithIgnoringCase(line, "STR") &&
         (line.size() == 3 || KEYWORD_ENDS.find(line[3]) != std::string_view::npos);
}

KeywordLine keywordLine(std::string_view line) {
  std::size_t size = 0;
  Stat stat = Stat::NONE;
  if (strengthFirst(line)) {
    line = withoutLeading(line, " ");
    stat = Stat::ABILITIES;
    size = 3;
  } else if (runInHitPoints(line)) {
    stat = Stat::HIT_POINTS;
    size = 2;
  } else {
    for (const Keyword& keyword : KEYWORDS) {
      if (line.front() == keyword.text.front() &&
          beginsWithWord(line, keyword.text, KEYWORD_ENDS)) {
        stat = keyword.stat;
        size = keyword.text.size();
        break;
      }
    }
  }
  if (stat == Stat::NONE) return {};
  std::string_view rest = line.substr(size);
  if (!rest.empty() && (rest.front() == ':' || rest.front() == '.')) rest.remove_prefix(1);
  rest = withoutLeading(rest, " ");
  return {stat, rest};
}

std::string_view leadingRating(std::string_view text) {
  std::size_t end = 0;
  while (end < text.size() && isDigitChar(text[end])) ++end;
  if (end == 0) return {};
  if (end + 1 < text.size() && text[end] == '/' && isDigitChar(text[end + 1])) {
    end += 2;
    while (end < text.size() && isDigitChar(text[end])) ++end;
  }
  return text.substr(0, end);
}

const Heading* headingOf(std::string_view line) {
  if (line.ends_with(':')) line.remove_suffix(1);
  for (const Heading& heading : HEADINGS) {
    if (equalsIgnoringCase(line, heading.text)) return &heading;
  }
  return nullptr;
}

bool columnHeads(std::string_view line) {
  bool any = false;
  bool others = false;
  forEachPart(
      line,
      [&](std::string_view word) {
        if (word.empty()) return;
        any = true;
        others =
            others || !(equalsIgnoringCase(word, "STAT") || equalsIgnoringCase(word, "SCORE") ||
                        equalsIgnoringCase(word, "MOD") || equalsIgnoringCase(word, "SAVE"));
      },
      " ");
  return any && !others;
}

std::size_t alignmentComma(std::string_view type) {
  std::size_t comma = std::string_view::npos;
  int depth = 0;
  for (std::size_t i = 0; i < type.size(); ++i) {
    if (type[i] == '(') ++depth;
    if (type[i] == ')' && depth > 0) --depth;
    if (depth == 0 && type[i] == ',' && i + 1 < type.size() && type[i + 1] == ' ') comma = i;
  }
  return comma;
}

std::string alignmentOf(std::string_view printed) {
  std::string lower = lowerCased(printed);
  constexpr std::string_view TYPICALLY = "typically ";
  if (lower.starts_with(TYPICALLY)) lower.erase(0, TYPICALLY.size());
  for (const AlignmentCode& alignment : ALIGNMENT_CODES) {
    if (lower == alignment.text) return std::string(alignment.code);
  }
  return std::string(printed);
}

}  // namespace veldarin::fifth
