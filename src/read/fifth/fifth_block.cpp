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
#include "read/fifth/ability_table.h"
#include "read/fifth/line_kinds.h"
#include "read/fifth/paragraph.h"
#include "read/line_reader.h"
#include "read/to_int.h"

namespace veldarin {

namespace {

using namespace fifth;

constexpr const char* LIST = ", ";

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

  const AbilityTexts texts = abilityTexts(abilities_, savingThrows_);
  monster.field(FIELD_ABILITIES) = texts.abilities;
  monster.field(FIELD_SAVES) = texts.saves;
  if (!initiativeGiven_) monster.field(FIELD_INITIATIVE) = signedText(texts.dexterityModifier);

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
