#include "read/fifth/fifth_block.h"

#include <algorithm>
#include <array>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "monster/ascii.h"
#include "monster/monster.h"
#include "read/absent_dash.h"
#include "read/block_text.h"
#include "read/fifth/paragraph.h"
#include "read/line_reader.h"
#include "read/to_int.h"

namespace veldarin {

namespace {

constexpr const char* LIST = ", ";

// A label ("Armor Class", "AC"), optionally ":", then a space and a digit.
bool labelledNumber(std::string_view line, std::string_view label) {
  if (!line.starts_with(label)) return false;
  std::size_t at = label.size();
  if (at < line.size() && line[at] == ':') ++at;
  return at + 1 < line.size() && line[at] == ' ' && isDigitChar(line[at + 1]);
}

bool armorClassLine(std::string_view line) {
  return labelledNumber(line, "Armor Class") || labelledNumber(line, "AC");
}

// "HP7 (2d6)": PDF conversions run the value into the label.
bool runInHitPoints(std::string_view line) {
  return line.size() > 2 && line.starts_with("HP") && isDigitChar(line[2]);
}

// "Role: Unbound servants", "Challenge: 6 (2,300 XP)": one to three words of letters, then ": ".
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

constexpr std::array<std::string_view, 6> SIZES{"Tiny",  "Small", "Medium",
                                                "Large", "Huge",  "Gargantuan"};
constexpr std::array<std::string_view, 6> SIZE_SIDES{"2 1/2 ft.", "5 ft.",  "5 ft.",
                                                     "10 ft.",    "15 ft.", "20 ft."};

// The size that begins the line (any case, then a space), or none.
std::optional<std::size_t> sizeOf(std::string_view line) {
  for (std::size_t i = 0; i < SIZES.size(); ++i) {
    if (startsWithIgnoringCase(line, SIZES[i]) && line.size() > SIZES[i].size() &&
        line[SIZES[i].size()] == ' ') {
      return i;
    }
  }
  return std::nullopt;
}

// The type a line gives: the line itself when it begins with a size, or the type inside a
// brew's sentence ("Beetle Knight is a Large Monstrosity, Unaligned, for ...": its size, type
// and alignment, up to the next comma or the sentence's end).
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

struct KeywordLine {
  Stat stat = Stat::NONE;
  std::string_view rest;  // after the keyword, its ":" or "." and the spaces
};

// "STR", "Str." or "Str:" opening the ability names, after the empty cell that a table with
// row labels ("Score", "Modifier") leaves before them.
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

// The rating that begins the text: digits, or digits "/" digits; empty for none.
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

enum class Section { TRAITS, ACTIONS, REACTIONS, DROPPED };

struct Heading {
  std::string_view text;
  Section section;
};

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

const Heading* headingOf(std::string_view line) {
  if (line.ends_with(':')) line.remove_suffix(1);
  for (const Heading& heading : HEADINGS) {
    if (equalsIgnoringCase(line, heading.text)) return &heading;
  }
  return nullptr;
}

// A web page's ability table heads its columns with these words; such a line is dropped.
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

// "Con +6" and the like: the six abilities, as the abilities and saves texts name them.
constexpr std::array<std::string_view, 6> ABILITIES{"Str", "Dex", "Con", "Int", "Wis", "Cha"};
constexpr std::size_t DEXTERITY = 1;

// The ability's position for a whole word of letters that names it (any case), or none.
std::optional<std::size_t> abilityNamed(std::string_view word) {
  for (std::size_t i = 0; i < ABILITIES.size(); ++i) {
    if (equalsIgnoringCase(word, ABILITIES[i])) return i;
  }
  return std::nullopt;
}

// The ability text's scores and printed saves.
struct AbilityTable {
  std::array<std::optional<int>, 6> scores;
  std::array<std::string, 6> saves;
};

// Reads "STR DEX CON INT WIS CHA 21 (+5) 9 (-1) ..." (names first) or "Str 21 +5 +5 Dex 9 ..."
// (each name with its values). A score is a number without a sign and outside parentheses.
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

// "Medium Fiend (Demon, Category 2), Typically Chaotic Evil": where the last ", " outside
// parentheses stands, or npos.
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

std::string alignmentOf(std::string_view printed) {
  std::string lower = lowerCased(printed);
  constexpr std::string_view TYPICALLY = "typically ";
  if (lower.starts_with(TYPICALLY)) lower.erase(0, TYPICALLY.size());
  for (const AlignmentCode& alignment : ALIGNMENT_CODES) {
    if (lower == alignment.text) return std::string(alignment.code);
  }
  return std::string(printed);
}

// Turns the lines of the blocks into monsters. A line is read only once the three after it are
// known, since a type line is told by the armor class after it and a name line by the type
// line after it.
class BlockReader {
 public:
  explicit BlockReader(MonsterGroup& group) : group_(group) {}

  // The next non-empty line, tabs read as spaces and trailing spaces dropped.
  void take(std::string_view line) {
    window_.emplace_back(line);
    if (window_.size() == WINDOW) step();
  }

  void finish() {
    while (!window_.empty()) step();
    endMonster();
  }

 private:
  enum class Phase { TYPE, STATISTICS, PARAGRAPHS };
  // A type line, up to three labelled lines, and its armor class below the line looked at.
  static constexpr std::size_t WINDOW = 6;

  // A type line has the armor class one or two lines below it, or below labelled lines
  // ("Role: ...", "Challenge: 1"), as compendiums print them.
  bool typeLineAt(std::size_t k) const {
    if (k >= window_.size() || !typeOf(window_[k])) return false;
    if ((k + 1 < window_.size() && armorClassLine(window_[k + 1])) ||
        (k + 2 < window_.size() && armorClassLine(window_[k + 2]))) {
      return true;
    }
    std::size_t next = k + 1;
    while (next < window_.size() && !armorClassLine(window_[next]) && labelledLine(window_[next])) {
      ++next;
    }
    return next < window_.size() && armorClassLine(window_[next]);
  }

  void step();
  void startMonster(std::string_view typeLine);
  void endMonster();
  void readTypeLine(std::string_view line);
  void readStatisticsLine(std::string_view line);
  void endStatistics();
  void flushStatistic();
  void readParagraphLine(std::string_view line);
  void startSection(const Heading& heading);
  void flushParagraph();
  void readSenses(std::string_view rest);
  void readSavingThrows(std::string_view rest);
  void setRating(std::string_view rating) { monster_->field(FIELD_CHALLENGE_RATING) = rating; }
  void addQuality(std::string_view text) {
    monster_->appendToField(FIELD_SPECIAL_QUALITIES, text, LIST);
  }
  void addSpecialAttack(std::string_view text) {
    monster_->appendToField(FIELD_SPECIAL_ATTACKS, text, LIST);
  }

  MonsterGroup& group_;
  std::deque<std::string> window_;
  std::optional<std::string> nameLine_;

  // The monster being read.
  Monster* monster_ = nullptr;
  Phase phase_ = Phase::TYPE;
  std::string type_;
  std::size_t size_ = 0;
  bool initiativeGiven_ = false;
  AbilityTable abilities_;
  std::array<std::string, 6> savingThrows_;
  std::vector<FifthAttack> attacks_;

  // The statistics line being gathered.
  Stat stat_ = Stat::NONE;
  std::string statText_;

  // The paragraph being gathered, and its section; whether paragraphs are named with ":", as a
  // section's first one was.
  Section section_ = Section::TRAITS;
  std::string paragraph_;
  bool colonNames_ = false;
};

void BlockReader::step() {
  const std::string& line = window_.front();
  if (typeLineAt(0)) {
    startMonster(*typeOf(line));
  } else if (typeLineAt(1) && headingOf(line) == nullptr && !paragraphNameSize(line)) {
    nameLine_ = line;
  } else if (monster_ != nullptr) {
    switch (phase_) {
      case Phase::TYPE:
        readTypeLine(line);
        break;
      case Phase::STATISTICS:
        readStatisticsLine(line);
        break;
      case Phase::PARAGRAPHS:
        readParagraphLine(line);
        break;
    }
  }
  window_.pop_front();
}

void BlockReader::startMonster(std::string_view typeLine) {
  endMonster();
  monster_ = &group_.monsters.emplace_back();
  monster_->fifthEditionBlock = true;
  if (nameLine_) monster_->field(FIELD_NAME) = *nameLine_;
  nameLine_.reset();
  phase_ = Phase::TYPE;
  type_.assign(typeLine);
  size_ = sizeOf(typeLine).value_or(0);
  initiativeGiven_ = false;
  abilities_ = {};
  savingThrows_ = {};
  attacks_.clear();
  stat_ = Stat::NONE;
  statText_.clear();
  section_ = Section::TRAITS;
  paragraph_.clear();
  colonNames_ = false;
}

// A type line that ends with "," goes on in the next line; other lines before the first
// statistic (a generator's tagline) are dropped.
void BlockReader::readTypeLine(std::string_view line) {
  const KeywordLine keyword = keywordLine(line);
  if (keyword.stat == Stat::CHALLENGE) {
    // A compendium's rating above the armor class.
    setRating(leadingRating(keyword.rest));
  } else if (keyword.stat != Stat::NONE) {
    phase_ = Phase::STATISTICS;
    readStatisticsLine(line);
  } else if (type_.ends_with(',')) {
    type_.append(" ").append(line);
  }
}

void BlockReader::readStatisticsLine(std::string_view line) {
  if (const Heading* heading = headingOf(line)) {
    endStatistics();
    startSection(*heading);
    return;
  }
  // PDFs run "Senses ... Languages ... CR 8 (XP 3,900; PB +3)" into one line.
  std::string_view text = line;
  bool last = false;
  for (std::size_t at = text.find(" CR "); at != std::string_view::npos;
       at = text.find(" CR ", at + 1)) {
    const std::string_view rating = leadingRating(text.substr(at + 4));
    if (!rating.empty() && text.substr(at + 4 + rating.size()).starts_with(" (")) {
      setRating(rating);
      text = text.substr(0, at);
      last = true;
      break;
    }
  }
  text = text.substr(0, text.find(" Languages "));

  const KeywordLine keyword = keywordLine(text);
  if (keyword.stat != Stat::NONE) {
    flushStatistic();
    stat_ = keyword.stat;
    statText_.assign(keyword.stat == Stat::ABILITIES ? text : keyword.rest);
    last = last || keyword.stat == Stat::CHALLENGE;
  } else if (columnHeads(text)) {
    return;
  } else if (paragraphNameSize(line)) {
    endStatistics();
    readParagraphLine(line);
    return;
  } else if (!text.empty()) {
    appendText(statText_, text);
  }
  if (last) endStatistics();
}

void BlockReader::endStatistics() {
  flushStatistic();
  phase_ = Phase::PARAGRAPHS;
}

void BlockReader::flushStatistic() {
  const std::string_view rest = statText_;
  switch (stat_) {
    case Stat::NONE:
    case Stat::DROP:
      break;
    case Stat::ARMOR_CLASS: {
      constexpr std::string_view INITIATIVE = " Initiative ";
      const std::size_t at = rest.find(INITIATIVE);
      monster_->appendToField(FIELD_AC, rest.substr(0, at), LIST);
      if (at != std::string_view::npos) {
        monster_->appendToField(FIELD_INITIATIVE, rest.substr(at + INITIATIVE.size()), LIST);
        initiativeGiven_ = true;
      }
      break;
    }
    case Stat::INITIATIVE:
      monster_->appendToField(FIELD_INITIATIVE, rest, LIST);
      initiativeGiven_ = true;
      break;
    case Stat::HIT_POINTS: {
      const HitPointsEntry entry = hitPointsEntry(rest);
      monster_->appendToField(FIELD_HIT_POINTS, entry.points, LIST);
      std::string hitDice = entry.hasDice ? withoutSpacesAroundSigns(entry.dice) + " " : "";
      hitDice.append("(").append(entry.points).append(" hp)");
      monster_->appendToField(FIELD_HIT_DICE, hitDice, LIST);
      break;
    }
    case Stat::SPEED:
      monster_->appendToField(FIELD_SPEED, rest, LIST);
      break;
    case Stat::ABILITIES:
      abilities_ = readAbilityTable(rest);
      break;
    case Stat::SAVING_THROWS:
      readSavingThrows(rest);
      break;
    case Stat::SKILLS:
      monster_->appendToField(FIELD_SKILLS, rest, LIST);
      break;
    case Stat::VULNERABLE:
      addQuality("vulnerable " + std::string(rest));
      break;
    case Stat::RESIST:
      addQuality("resist " + std::string(rest));
      break;
    case Stat::IMMUNE:
      addQuality("immune " + std::string(rest));
      break;
    case Stat::SENSES:
      readSenses(rest);
      break;
    case Stat::CHALLENGE:
      setRating(leadingRating(rest));
      break;
  }
  stat_ = Stat::NONE;
  statText_.clear();
}

// "darkvision 60 ft., passive Perception 9": the senses but the passive Perception.
void BlockReader::readSenses(std::string_view rest) {
  forEachPart(rest, [this](std::string_view part) {
    forEachPart(
        part,
        [this](std::string_view item) {
          if (!item.empty() && !startsWithIgnoringCase(item, "passive Perception")) {
            addQuality(item);
          }
        },
        LIST);
  });
}

// "Con +6, Int +8": each save by its ability's first three letters, as printed.
void BlockReader::readSavingThrows(std::string_view rest) {
  forEachPart(
      rest,
      [this](std::string_view part) {
        const std::size_t space = part.find(' ');
        if (space == std::string_view::npos) return;
        if (const auto ability = abilityNamed(part.substr(0, std::min<std::size_t>(space, 3)))) {
          std::string_view save = part.substr(space + 1);
          save = withoutLeading(save, " ");
          savingThrows_[*ability] = save;
        }
      },
      LIST);
}

void BlockReader::readParagraphLine(std::string_view line) {
  // Some books print "CR 1 Controller" under the abilities.
  if (line.starts_with("CR ") && !leadingRating(line.substr(3)).empty()) {
    if (monster_->field(FIELD_CHALLENGE_RATING).empty()) setRating(leadingRating(line.substr(3)));
    return;
  }
  if (const Heading* heading = headingOf(line)) {
    flushParagraph();
    startSection(*heading);
    return;
  }
  const bool dotName = paragraphNameSize(line).has_value();
  const bool colonName = !dotName && (colonNames_ || paragraph_.empty()) && colonNameSize(line);
  if (dotName || colonName) {
    flushParagraph();
    paragraph_.assign(line);
    colonNames_ = colonName;
  } else if (!paragraph_.empty()) {
    paragraph_.append(" ").append(line);
  }
}

void BlockReader::startSection(const Heading& heading) {
  section_ = heading.section;
  if (section_ == Section::DROPPED) addSpecialAttack(lowerCased(heading.text));
}

void BlockReader::flushParagraph() {
  if (paragraph_.empty()) return;
  joinBrokenWords(paragraph_);
  const std::string_view paragraph = paragraph_;
  const std::optional<std::size_t> nameSize =
      colonNames_ ? colonNameSize(paragraph) : paragraphNameSize(paragraph);
  if (nameSize) {
    const std::string_view name = paragraph.substr(0, *nameSize);
    std::string_view body = paragraph.substr(*nameSize + 1);
    body = withoutLeading(body, " ");
    switch (section_) {
      case Section::TRAITS:
        if (name.starts_with("Spellcasting") || name.starts_with("Innate Spellcasting")) {
          addSpecialAttack(lowerCased(name));
        } else {
          addQuality(lowerCased(name));
        }
        break;
      case Section::ACTIONS:
        if (auto attack = colonNames_ ? readShorthandAttack(name, body) : readAttack(name, body)) {
          attacks_.push_back(std::move(*attack));
        } else {
          addSpecialAttack(lowerCased(name));
        }
        break;
      case Section::REACTIONS:
        addQuality(lowerCased(name));
        break;
      case Section::DROPPED:
        break;
    }
  }
  paragraph_.clear();
}

void BlockReader::endMonster() {
  if (monster_ == nullptr) return;
  if (phase_ == Phase::PARAGRAPHS) {
    flushParagraph();
  } else {
    flushStatistic();
  }
  Monster& monster = *monster_;

  const std::string_view type = type_;
  const std::size_t comma = alignmentComma(type);
  monster.field(FIELD_TYPE) = type.substr(0, comma);
  if (comma != std::string_view::npos) {
    monster.field(FIELD_ALIGNMENT) = alignmentOf(type.substr(comma + 2));
  }

  const bool scored =
      std::all_of(abilities_.scores.begin(), abilities_.scores.end(),
                  [](const std::optional<int>& score) { return score.has_value(); });
  std::array<int, 6> modifiers{};
  std::string abilities;
  std::string saves;
  for (std::size_t i = 0; i < ABILITIES.size(); ++i) {
    if (scored) {
      modifiers[i] = abilityModifier(*abilities_.scores[i]);
      appendText(abilities, std::string(ABILITIES[i]) + " " + std::to_string(*abilities_.scores[i]),
                 LIST);
    }
    const std::string& printed = !savingThrows_[i].empty() ? savingThrows_[i] : abilities_.saves[i];
    appendText(
        saves,
        std::string(ABILITIES[i]) + " " + (printed.empty() ? signedText(modifiers[i]) : printed),
        LIST);
  }
  monster.field(FIELD_ABILITIES) = abilities;
  monster.field(FIELD_SAVES) = saves;
  if (!initiativeGiven_) monster.field(FIELD_INITIATIVE) = signedText(modifiers[DEXTERITY]);

  writeAttacks(attacks_, monster);
  std::string face(SIZE_SIDES[size_]);
  face.append(" by ").append(SIZE_SIDES[size_]).append("/");
  face.append(std::to_string(meleeReach(attacks_))).append(" ft.");
  monster.field(FIELD_FACE_REACH) = face;
  monster_ = nullptr;
}

}  // namespace

void FifthEditionDetector::see(std::string_view line) {
  constexpr std::size_t START = 16;
  // A table with row labels ("Score", "Modifier") leaves an empty cell before the ability names.
  if (!line.empty() && line.front() == '\t') {
    std::size_t cells = 1;
    while (cells < line.size() && line[cells] == '\t') ++cells;
    if (!strength_ && cells < line.size() && toUpperAscii(line[cells]) == 'S') {
      strength_ = strengthFirst(spacedLine(line.substr(cells, START), start_));
    }
    return;
  }
  // The tests read no further than "Armor Class: 1", so only the line's start is spaced, and
  // only for a line whose first letter may begin one: this runs on every line of any file.
  if (line.empty() ||
      (line.front() != 'A' && line.front() != 'H' && toUpperAscii(line.front()) != 'S')) {
    return;
  }
  line = spacedLine(line.substr(0, START), start_);
  armorClass_ = armorClass_ || armorClassLine(line);
  hitPoints_ = hitPoints_ || hitPointsLine(line);
  strength_ = strength_ || strengthFirst(line);
}

void readFifthEditionBlocks(MonsterGroup& group, LineReader& reader) {
  BlockReader blocks(group);
  std::string line;
  std::string spaced;
  while (reader.readLine(line)) {
    const std::string_view text = spacedLine(line, spaced);
    if (!text.empty()) blocks.take(text);
  }
  blocks.finish();
}

void Monster::prepareFifthEdition() {
  for (const FieldInfo& info : fieldTable) dashAsAbsent(field(info.id));
}

}  // namespace veldarin
