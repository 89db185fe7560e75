#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// What a line of a fifth-edition block is: the armor class, the hit points, the type line with
// its size and alignment, a keyword statistic, a section heading, the ability table's column
// heads.
namespace veldarin::fifth {

// A sized creature's square side, by the position of its size: Tiny, Small, ... Gargantuan.
inline constexpr std::array<std::string_view, 6> SIZE_SIDES{"2 1/2 ft.", "5 ft.",  "5 ft.",
                                                            "10 ft.",    "15 ft.", "20 ft."};

bool armorClassLine(std::string_view line);
bool hitPointsLine(std::string_view line);
// "Role: Unbound servants", "Challenge: 6 (2,300 XP)": one to three words of letters, then ": ".
bool labelledLine(std::string_view line);

// The position of the size that begins the line (any case, then a space), or none.
std::optional<std::size_t> sizeOf(std::string_view line);

// The type a line gives: the line itself when it begins with a size, or the type inside a
// brew's sentence ("Beetle Knight is a Large Monstrosity, Unaligned, for ...": its size, type
// and alignment, up to the next comma or the sentence's end).
std::optional<std::string_view> typeOf(std::string_view line);

// "Medium Fiend (Demon, Category 2), Typically Chaotic Evil": where the last ", " outside
// parentheses stands, or npos.
std::size_t alignmentComma(std::string_view type);
// The alignment's code ("Typically Chaotic Evil" is "CE"), or the text as printed.
std::string alignmentOf(std::string_view printed);

// What a statistics line (with the lines that continue it) gives.
enum class Stat {
  NONE,
  DROP,
  ARMOR_CLASS,
  INITIATIVE,
  HIT_POINTS,
  SPEED,
  ABILITIES,
  SAVING_THROWS,
  SKILLS,
  VULNERABLE,
  RESIST,
  IMMUNE,
  SENSES,
  CHALLENGE,
};

struct KeywordLine {
  Stat stat = Stat::NONE;
  std::string_view rest;  // after the keyword, its ":" or "." and the spaces
};

// "STR", "Str." or "Str:" opening the ability names, after the empty cell that a table with
// row labels ("Score", "Modifier") leaves before them.
bool strengthFirst(std::string_view line);
KeywordLine keywordLine(std::string_view line);

// The rating that begins the text: digits, or digits "/" digits; empty for none.
std::string_view leadingRating(std::string_view text);

enum class Section { TRAITS, ACTIONS, REACTIONS, DROPPED };

struct Heading {
  std::string_view text;
  Section section;
};

// The section a heading line opens ("Actions", "Reactions:"), or none.
const Heading* headingOf(std::string_view line);

// A web page's ability table heads its columns with these words; such a line is dropped.
bool columnHeads(std::string_view line);

}  // namespace veldarin::fifth
