#include "read/pathfinder/pathfinder_block.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "monster/ascii.h"
#include "monster/monster.h"
#include "read/absent_dash.h"
#include "read/block_text.h"
#include "read/full_attack.h"
#include "read/line_reader.h"
#include "read/to_int.h"

namespace veldarin {

namespace {

// What becomes of a line that begins with a keyword, together with its continuation lines.
enum class Use {
  DROP,
  REST,        // the text after the keyword into the field
  WHOLE,       // the whole line into the field
  QUALITIES,   // the text after the keyword into the special qualities
  ALIGNMENT,   // the code, then the type
  INIT,        // initiative; senses; Perception
  HIT_POINTS,  // "H (D); more"
  DEFENSES,    // "; "-separated entries of the special qualities
  MELEE,
  RANGED,
  SPACE,
  RACIAL_MODIFIERS,
  TREASURE,  // as REST, but continued only while a parenthesis is open; the description follows
};

struct Keyword {
  std::string_view text;
  Use use;
  FieldId field = FIELD_NONE;
};

// What a line's keyword (or alignment code) makes of it; a size of 0 for a line without one.
struct KeywordLine {
  Use use = Use::DROP;
  std::size_t size = 0;  // of the keyword, to the text after it
  FieldId field = FIELD_NONE;
  explicit operator bool() const { return size > 0; }
};

constexpr auto KEYWORDS = std::to_array<Keyword>({
    {"XP", Use::DROP},
    {"Init", Use::INIT},
    {"Aura", Use::QUALITIES},
    {"AC", Use::REST, FIELD_AC},
    {"hp", Use::HIT_POINTS},
    {"Fort", Use::WHOLE, FIELD_SAVES},
    {"Defensive Abilities", Use::DEFENSES},
    {"DR", Use::DEFENSES},
    {"Immune", Use::DEFENSES},
    {"Resist", Use::DEFENSES},
    {"SR", Use::DEFENSES},
    {"Weaknesses", Use::QUALITIES},
    {"Weakness", Use::QUALITIES},
    {"Speed", Use::REST, FIELD_SPEED},
    {"Spd", Use::REST, FIELD_SPEED},  // a stat-block library's spelling
    {"Melee", Use::MELEE},
    {"Ranged", Use::RANGED},
    {"Space", Use::SPACE},
    {"Special Attacks", Use::REST, FIELD_SPECIAL_ATTACKS},
    {"Special Attack", Use::REST, FIELD_SPECIAL_ATTACKS},  // a common misprint
    {"Str", Use::WHOLE, FIELD_ABILITIES},
    {"Base Atk", Use::REST, FIELD_BASE_ATTACK},
    {"Feats", Use::REST, FIELD_FEATS},
    {"Skills", Use::REST, FIELD_SKILLS},
    {"Racial Modifiers", Use::RACIAL_MODIFIERS},
    {"SQ", Use::QUALITIES},
    {"Special Qualities", Use::QUALITIES},
    {"Environment", Use::REST, FIELD_CLIMATE_TERRAIN},
    {"Organization", Use::REST, FIELD_ORGANIZATION},
    {"Treasure", Use::TREASURE, FIELD_TREASURE},
    {"Advancement", Use::REST, FIELD_ADVANCEMENT},
    {"Level Adjustment", Use::DROP},
    {"Languages", Use::DROP},
    {"Gear", Use::DROP},
    {"Combat Gear", Use::DROP},
    {"Other Gear", Use::DROP},
    {"Before Combat", Use::DROP},
    {"During Combat", Use::DROP},
    {"Morale", Use::DROP},
});

constexpr std::array<std::string_view, 9> ALIGNMENTS{"LG", "LN", "LE", "NG", "N",
                                                     "NE", "CG", "CN", "CE"};
// Words that older blocks write before the code ("Always CE"), kept with it.
constexpr std::array<std::string_view, 3> FREQUENCIES{"Always ", "Usually ", "Often "};

constexpr std::array<std::string_view, 5> HEADINGS{"DEFENSE", "OFFENSE", "TACTICS", "STATISTICS",
                                                   "ECOLOGY"};
constexpr std::string_view SPECIAL_ABILITIES = "SPECIAL ABILITIES";
constexpr std::string_view DESCRIPTION = "DESCRIPTION";

struct Award {
  std::string_view experience;  // digits, without commas
  std::string_view rating;
};

constexpr auto AWARDS = std::to_array<Award>({
    {"50", "1/8"},     {"65", "1/6"},     {"100", "1/4"},    {"135", "1/3"},    {"200", "1/2"},
    {"400", "1"},      {"600", "2"},      {"800", "3"},      {"1200", "4"},     {"1600", "5"},
    {"2400", "6"},     {"3200", "7"},     {"4800", "8"},     {"6400", "9"},     {"9600", "10"},
    {"12800", "11"},   {"19200", "12"},   {"25600", "13"},   {"38400", "14"},   {"51200", "15"},
    {"76800", "16"},   {"102400", "17"},  {"153600", "18"},  {"204800", "19"},  {"307200", "20"},
    {"409600", "21"},  {"614400", "22"},  {"819200", "23"},  {"1228800", "24"}, {"1638400", "25"},
    {"2457600", "26"}, {"3276800", "27"}, {"4915200", "28"}, {"6553600", "29"}, {"9830400", "30"},
});

// A trimmed line "XP 1,200": true, with the rating the award gives ("-" for another figure).
bool awardOf(std::string_view line, std::string_view& rating) {
  constexpr std::string_view XP = "XP ";
  if (!line.starts_with(XP) || line.size() == XP.size() || !isDigitChar(line[XP.size()])) {
    return false;
  }
  std::string digits;
  for (const char c : line.substr(XP.size())) {
    if (isDigitChar(c)) {
      digits += c;
    } else if (c != ',') {
      return false;
    }
  }
  rating = "-";
  for (const Award& award : AWARDS) {
    if (digits == award.experience) rating = award.rating;
  }
  return true;
}

constexpr std::array<std::string_view, 5> SPELL_LISTS{"Spell-Like Abilities", "Spells Known",
                                                      "Spells Prepared", "Extracts Prepared",
                                                      "Psychic Magic"};

constexpr const char* LIST = ", ";

std::string_view afterWord(std::string_view line, std::size_t wordSize) {
  return wordSize < line.size() ? line.substr(wordSize + 1) : std::string_view();
}

struct Title {
  std::string_view name;
  std::string_view rating;
  std::string_view mythicRank;  // "MR 3", or empty
};

std::size_t digitsBefore(std::string_view text, std::size_t end) {
  std::size_t start = end;
  while (start > 0 && isDigitChar(text[start - 1])) --start;
  return end - start;
}

// Where the rating that ends at `end` begins (digits, or digits "/" digits); `end` for none.
std::size_t ratingStart(std::string_view line, std::size_t end) {
  std::size_t start = end - digitsBefore(line, end);
  if (start == end) return end;
  if (start > 0 && line[start - 1] == '/') {
    const std::size_t numerator = digitsBefore(line, start - 1);
    if (numerator == 0) return end;
    start -= numerator + 1;
  }
  return start;
}

// A trimmed line that ends with " CR " and a rating: digits or digits "/" digits, optionally
// followed by a mythic rank ("9/MR 3"), or a lone dash for none.
bool titleOf(std::string_view line, Title& title) {
  constexpr std::string_view MARK = " CR ";
  std::size_t end = line.size();
  title.rating = {};
  title.mythicRank = {};
  for (const std::string_view dash : {"-", "\xE2\x80\x93", "\xE2\x80\x94"}) {
    if (line.ends_with(dash)) {
      end -= dash.size();
      title.rating = "-";
      break;
    }
  }
  if (title.rating.empty()) {
    constexpr std::string_view RANK = "/MR ";
    const std::size_t rank = end - digitsBefore(line, end);
    if (rank < end && rank >= RANK.size() && line.substr(rank - RANK.size(), RANK.size()) == RANK) {
      title.mythicRank = line.substr(rank - RANK.size() + 1);
      end = rank - RANK.size();
    }
    const std::size_t start = ratingStart(line, end);
    if (start == end) return false;
    title.rating = line.substr(start, end - start);
    end = start;
  }
  if (end < MARK.size() || line.substr(end - MARK.size(), MARK.size()) != MARK) return false;
  title.name = withoutTrailing(line.substr(0, end - MARK.size()), " ");
  return true;
}

// True for a spell block's heading: its text before the first "(" holds no "," and ends in a
// spell list's name. The comma keeps out a wrapped feat list ("Will, Quicken Spell-Like ...").
bool spellHeading(std::string_view line, std::string_view& heading) {
  heading = withoutTrailing(line.substr(0, line.find('(')), " ");
  if (heading.find(',') != std::string_view::npos) return false;
  for (const std::string_view list : SPELL_LISTS) {
    if (heading.ends_with(list)) return true;
  }
  return false;
}

// How many more "(" than ")" the text holds.
long openedParentheses(std::string_view text) {
  long opened = 0;
  for (const char c : text) opened += (c == '(') - (c == ')');
  return opened;
}

// Turns the lines of the blocks into monsters: each keyword line is gathered with the lines
// that continue it, then read whole when the next keyword line (or the end) comes.
class BlockReader {
 public:
  explicit BlockReader(MonsterGroup& group) : group_(group) {}

  // False when the line is a title beyond the group's monsters: nothing more is read.
  bool take(std::string_view rawLine);
  // Begins the next monster; false when the group has no more.
  bool open(const Title& title);
  void finish() { flush(); }

 private:
  void startMonster(const Title& title);
  void start(Use use, std::size_t keywordSize, FieldId field, std::string_view line);
  KeywordLine keywordLine(std::string_view line) const;
  void flush();
  void readInit(std::string_view rest);
  void readHitPoints(std::string_view rest);
  void readSpace(std::string_view rest);
  void addQuality(std::string_view text) {
    monster_->appendToField(FIELD_SPECIAL_QUALITIES, text, LIST);
  }

  MonsterGroup& group_;
  Monster* monster_ = nullptr;
  int read_ = 0;
  bool skipToTitle_ = false;
  bool alignmentOpen_ = false;  // after the title, before an alignment or Init line

  // The keyword line being gathered.
  Use use_ = Use::DROP;
  FieldId field_ = FIELD_NONE;
  std::size_t keywordSize_ = 0;
  std::string line_;
  long openParentheses_ = 0;
};

bool BlockReader::take(std::string_view rawLine) {
  const std::string_view line = trimmed(rawLine);
  Title title;
  if (titleOf(line, title)) return open(title);
  // Before the first title, after a SPECIAL ABILITIES heading, and blank lines: nothing to read.
  if (monster_ == nullptr || skipToTitle_ || line.empty()) return true;

  // Notes put a section of lore after the block.
  const bool specialAbilities =
      equalsIgnoringCase(line, SPECIAL_ABILITIES) || equalsIgnoringCase(line, DESCRIPTION);
  const bool heading = specialAbilities ||
                       std::any_of(HEADINGS.begin(), HEADINGS.end(),
                                   [&](std::string_view h) { return equalsIgnoringCase(line, h); });
  const KeywordLine keyword = heading ? KeywordLine{} : keywordLine(line);
  std::string_view spellList;
  const bool spells = !heading && !keyword && spellHeading(line, spellList);

  // Once the treasure is read, with the lines it continues on while a parenthesis is open, the
  // description follows up to the next title, keyword lines and all (a companion's statistics,
  // sentences that begin with a keyword). Only an advancement that older blocks print right
  // after the treasure is still read, continued the same way.
  if (use_ == Use::TREASURE && (heading || keyword || spells || openParentheses_ <= 0)) {
    flush();
    if (keyword && keyword.field == FIELD_ADVANCEMENT) {
      start(Use::TREASURE, keyword.size, FIELD_ADVANCEMENT, line);
    } else {
      skipToTitle_ = true;
    }
    return true;
  }
  if (heading) {
    flush();
    skipToTitle_ = specialAbilities;
    return true;
  }
  if (keyword) {
    if (keyword.use == Use::ALIGNMENT || keyword.use == Use::INIT) alignmentOpen_ = false;
    start(keyword.use, keyword.size, keyword.field, line);
    return true;
  }
  if (spells) {
    flush();
    monster_->appendToField(FIELD_SPECIAL_ATTACKS, lowerCased(spellList), LIST);
    return true;
  }
  // A continuation line.
  if (use_ == Use::DROP) return true;
  line_ += ' ';
  line_ += line;
  openParentheses_ += openedParentheses(line);
  return true;
}

bool BlockReader::open(const Title& title) {
  flush();
  if (read_ == group_.count()) return false;
  startMonster(title);
  return true;
}

void BlockReader::startMonster(const Title& title) {
  monster_ = &group_.monsters[read_++];
  monster_->pathfinder.block = true;
  monster_->field(FIELD_NAME) = title.name;
  monster_->field(FIELD_CHALLENGE_RATING) = title.rating;
  if (!title.mythicRank.empty()) addQuality(title.mythicRank);
  skipToTitle_ = false;
  alignmentOpen_ = true;
}

KeywordLine BlockReader::keywordLine(std::string_view line) const {
  if (alignmentOpen_) {
    std::size_t frequency = 0;
    for (const std::string_view word : FREQUENCIES) {
      if (line.starts_with(word)) frequency = word.size();
    }
    for (const std::string_view code : ALIGNMENTS) {
      if (beginsWithWord(line.substr(frequency), code)) {
        return KeywordLine{Use::ALIGNMENT, frequency + code.size(), FIELD_NONE};
      }
    }
  }
  for (const Keyword& keyword : KEYWORDS) {
    if (line.front() == keyword.text.front() && beginsWithWord(line, keyword.text)) {
      return KeywordLine{keyword.use, keyword.text.size(), keyword.field};
    }
  }
  return {};
}

void BlockReader::start(Use use, std::size_t keywordSize, FieldId field, std::string_view line) {
  flush();
  use_ = use;
  keywordSize_ = keywordSize;
  field_ = field;
  line_.assign(line);
  openParentheses_ = openedParentheses(line);
}

void BlockReader::flush() {
  if (monster_ == nullptr) return;
  const std::string_view line = line_;
  const std::string_view rest = afterWord(line, keywordSize_);
  Pathfinder& pathfinder = monster_->pathfinder;
  switch (use_) {
    case Use::DROP:
      break;
    case Use::REST:
    case Use::TREASURE:
      monster_->appendToField(field_, rest, LIST);
      break;
    case Use::WHOLE:
      monster_->appendToField(field_, line, LIST);
      break;
    case Use::QUALITIES:
      addQuality(rest);
      break;
    case Use::ALIGNMENT:
      monster_->appendToField(FIELD_ALIGNMENT, line.substr(0, keywordSize_), LIST);
      monster_->appendToField(FIELD_TYPE, rest, LIST);
      break;
    case Use::INIT:
      readInit(rest);
      break;
    case Use::HIT_POINTS:
      readHitPoints(rest);
      break;
    case Use::DEFENSES:
      forEachPart(line, [this](std::string_view part) {
        constexpr std::string_view DEFENSIVE = "Defensive Abilities ";
        if (part.starts_with(DEFENSIVE)) part.remove_prefix(DEFENSIVE.size());
        addQuality(part);
      });
      break;
    case Use::MELEE:
      appendText(pathfinder.melee, rest, pathfinder.meleeLine ? "; or " : nullptr);
      pathfinder.meleeLine = true;
      break;
    case Use::RANGED:
      appendText(pathfinder.ranged, rest, pathfinder.rangedLine ? "; or " : nullptr);
      pathfinder.rangedLine = true;
      break;
    case Use::SPACE:
      readSpace(rest);
      break;
    case Use::RACIAL_MODIFIERS: {
      const bool afterSemicolon = monster_->field(FIELD_SKILLS).ends_with(';');
      monster_->appendToField(FIELD_SKILLS, line, afterSemicolon ? nullptr : "; ");
      break;
    }
  }
  use_ = Use::DROP;
  line_.clear();
}

// "+3; Senses darkvision 60 ft., Perception +5": the initiative, then the parts. Of each part's
// ", " items, Perception gives Listen and Spot, and Listen and Spot (older blocks) one each; the
// other items of the Senses part are special qualities, those of other parts are dropped.
void BlockReader::readInit(std::string_view rest) {
  constexpr std::string_view SENSES = "Senses ";
  constexpr std::string_view PERCEPTION = "Perception ";
  constexpr std::string_view LISTEN = "Listen ";
  constexpr std::string_view SPOT = "Spot ";
  Pathfinder& pathfinder = monster_->pathfinder;
  bool first = true;
  forEachPart(rest, [&](std::string_view part) {
    if (first) {
      monster_->appendToField(FIELD_INITIATIVE, part, LIST);
      first = false;
      return;
    }
    const bool senses = part.starts_with(SENSES);
    if (senses) part.remove_prefix(SENSES.size());
    std::string qualities;
    forEachPart(
        part,
        [&](std::string_view item) {
          if (item.starts_with(PERCEPTION)) {
            pathfinder.listen = pathfinder.spot = toInt(item, PERCEPTION.size());
          } else if (item.starts_with(LISTEN)) {
            pathfinder.listen = toInt(item, LISTEN.size());
          } else if (item.starts_with(SPOT)) {
            pathfinder.spot = toInt(item, SPOT.size());
          } else if (senses) {
            appendText(qualities, item, LIST);
          }
        },
        LIST);
    if (!qualities.empty()) addQuality(qualities);
  });
}

// "18 (2d8+9); regeneration 5" is the hit points 18, the hit dice "2d8+9 (18 hp)" and a special
// quality; a group's "127 each (15d8+60)" gives 127 and "15d8+60 (127 hp each)".
void BlockReader::readHitPoints(std::string_view rest) {
  const HitPointsEntry entry = hitPointsEntry(rest);
  std::string_view points = entry.points;
  constexpr std::string_view EACH = " each";
  const bool each = points.ends_with(EACH);
  if (each) points.remove_suffix(EACH.size());
  monster_->appendToField(FIELD_HIT_POINTS, points, LIST);
  const std::string hitPoints = "(" + std::string(points) + (each ? " hp each)" : " hp)");
  if (!entry.hasDice) {
    monster_->appendToField(FIELD_HIT_DICE, hitPoints, LIST);
    return;
  }
  std::string hitDice(entry.dice);
  hitDice.append(" ").append(hitPoints);
  monster_->appendToField(FIELD_HIT_DICE, hitDice, LIST);
  if (entry.afterDice == std::string_view::npos) return;
  const std::size_t more = rest.find("; ", entry.afterDice);
  if (more != std::string_view::npos) addQuality(rest.substr(more + 2));
}

// "10 ft.; Reach 5 ft." is the face and reach "10 ft. by 10 ft./5 ft.".
void BlockReader::readSpace(std::string_view rest) {
  constexpr std::string_view REACH = "Reach ";
  const std::size_t reach = rest.find(REACH);
  const std::string_view side = withoutTrailing(rest.substr(0, reach), " ;,");
  std::string face(side);
  face.append(" by ").append(side);
  if (reach != std::string_view::npos) face.append("/").append(rest.substr(reach + REACH.size()));
  monster_->appendToField(FIELD_FACE_REACH, face, LIST);
}

}  // namespace

void BlockDetector::see(std::string_view rawLine) {
  const std::size_t line = line_++;
  const std::string_view text = trimmed(rawLine);
  if (text.empty()) return;
  Title title;
  std::string_view rating;
  if (titleOf(text, title)) {
    ++titles_;
    linesSinceTitle_ = 0;
    lastTitleLine_ = line;
    return;
  }
  if (linesSinceTitle_ >= 3 && awardOf(text, rating)) {
    const bool first = titles_ == 0;
    const std::size_t named = first ? firstNamed_ : nearestNamed_;
    if ((first ? firstSeen_ : nearestSeen_) && (first || named > lastTitleLine_)) {
      awardTitles_.push_back({named, line, rating});
      ++titles_;
      linesSinceTitle_ = 0;
      lastTitleLine_ = line;
      return;
    }
  }
  linesSinceTitle_ = std::min<std::size_t>(linesSinceTitle_ + 1, 3);
  if (rawLine.starts_with("AC ")) ac_ = true;
  if (rawLine.starts_with("hp ")) hp_ = true;
  if (!text.starts_with("Source ")) {
    if (!firstSeen_) firstNamed_ = line;
    firstSeen_ = true;
    if (!text.ends_with('.')) {
      nearestNamed_ = line;
      nearestSeen_ = true;
    }
  }
}

bool isPathfinderTitle(std::string_view line) {
  Title title;
  return titleOf(trimmed(line), title);
}

void readPathfinderBlocks(MonsterGroup& group, LineReader& reader, const BlockDetector& detector) {
  BlockReader blocks(group);
  const std::vector<AwardTitle>& awards = detector.awardTitles();
  auto award = awards.begin();
  std::size_t skipTo = 0;  // the lines between an award's title and its XP line are not read
  std::string line;
  for (std::size_t at = 0; reader.readLine(line); ++at) {
    if (award != awards.end() && at == award->titleLine) {
      Title title;
      title.name = trimmed(line);
      title.rating = award->rating;
      skipTo = award->awardLine;
      ++award;
      if (!blocks.open(title)) break;
    } else if (at >= skipTo && !blocks.take(line)) {
      break;
    }
  }
  blocks.finish();
}

void Monster::preparePathfinder() {
  for (const FieldInfo& info : fieldTable) dashAsAbsent(field(info.id));
  dashAsAbsent(pathfinder.melee);
  dashAsAbsent(pathfinder.ranged);

  AttacksAndDamage attacks;
  if (pathfinder.meleeLine) attacks = splitFullAttack(pathfinder.melee, " melee");
  if (pathfinder.rangedLine) {
    const AttacksAndDamage ranged = splitFullAttack(pathfinder.ranged, " ranged");
    appendText(attacks.attacks, ranged.attacks, pathfinder.meleeLine ? "; or " : nullptr);
    appendText(attacks.damage, ranged.damage, pathfinder.meleeLine ? "; or " : nullptr);
  }
  if (pathfinder.meleeLine || pathfinder.rangedLine) {
    appendToField(FIELD_ATTACKS, attacks.attacks);
    appendToField(FIELD_DAMAGE, attacks.damage);
  }
}

}  // namespace veldarin
