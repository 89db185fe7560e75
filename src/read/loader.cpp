#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <string_view>

#include "monster/monster.h"
#include "monster/text_cut.h"
#include "read/block_text.h"
#include "read/fifth/fifth_block.h"
#include "read/json/json_monsters.h"
#include "read/json/json_values.h"
#include "read/line_reader.h"
#include "read/markup/markup_text.h"
#include "read/pathfinder/pathfinder_block.h"
#include "read/statblock/statblock.h"
#include "read/statblock/statblock_lines.h"
#include "read/tab_fields.h"
#include "read/table/table_reader.h"
#include "read/text_source.h"
#include "system/console.h"

namespace veldarin {

namespace {

void prepare(Monster& monster, bool finish) {
  for (const FieldInfo& info : fieldTable) monster.cutFieldAtTilde(info.id);
  if (monster.edition35.table) {
    cutBeforeFirst(monster.edition35.fullAttack, '~');
    cutBeforeFirst(monster.edition35.attack, '~');
    monster.prepareEdition35();
  }
  if (monster.pathfinder.block) {
    cutBeforeFirst(monster.pathfinder.melee, '~');
    cutBeforeFirst(monster.pathfinder.ranged, '~');
    monster.preparePathfinder();
  }
  if (monster.fifthEditionBlock) monster.prepareFifthEdition();
  monster.appendToField(FIELD_HIT_POINTS, "___");
  monster.extractNumbers(finish);
  // A fifth-edition reader condenses its attacks itself: their names hold commas.
  if (finish && !monster.fifthEditionBlock) monster.summarizeAttacks();
}

bool noData() {
  printLine("loadFromFile(): found no data.");
  return false;
}

// Whether a line, its tabs read as spaces, is a Pathfinder title; reads the source from its start.
bool holdsPathfinderTitle(LineReader& reader) {
  if (!reader.rewind()) return false;
  std::string line;
  std::string spaced;
  while (reader.readLine(line)) {
    if (isPathfinderTitle(spacedLine(line, spaced))) return true;
  }
  return false;
}

bool readError() {
  printLine("loadFromFile(): error reading file.");
  return false;
}

constexpr auto SIZE_WORDS = std::to_array<std::string_view>(
    {"Fine", "Diminutive", "Tiny", "Small", "Medium", "Large", "Huge", "Gargantuan", "Colossal"});

// A table's first row that begins with an empty cell and then a size ("|   | Large Animal |",
// "| | Medium-Size Construct |", any case) has no names: its group's name stands in for them,
// once a column.
std::string standInNames(std::string_view firstRow, std::string_view groupName) {
  if (!firstRow.starts_with('\t')) return {};
  const std::string_view type = firstRow.substr(firstRow.find_first_not_of('\t'));
  const bool sized = std::any_of(SIZE_WORDS.begin(), SIZE_WORDS.end(), [&](std::string_view word) {
    return startsWithIgnoringCase(type, word) &&
           (type.size() == word.size() ||
            std::string_view(" -\t\n").find(type[word.size()]) != std::string_view::npos);
  });
  if (!sized) return {};
  std::string names;
  for (std::size_t columns = countFields(trimmed(firstRow)) - 1; columns > 0; --columns) {
    names.append("\t").append(groupName);
  }
  return names + "\n";
}

// Whether a row after the first selects a field: tables of encounter rolls and advancement
// give no monsters.
bool holdsStatRows(std::string_view rows) {
  bool first = true;
  bool found = false;
  forEachPart(
      rows,
      [&](std::string_view row) {
        found = found || (!first && selectsRow(row));
        first = false;
      },
      "\n");
  return found;
}

// Reads each table of a markup file as a table file of its own, its group name above its
// rows, and adds its monsters to the group's.
void readMarkupTables(MonsterGroup& group, const MarkupText& plain) {
  for (const MarkupTable& table : plain.tables) {
    const std::string_view all = plain.text;
    const std::string_view rows = all.substr(table.rowsBegin, table.rowsEnd - table.rowsBegin);
    if (!holdsStatRows(rows)) continue;
    const std::string_view groupName = all.substr(table.nameBegin, table.nameEnd - table.nameBegin);
    std::string text(groupName);
    text += '\n';
    text += standInNames(rows.substr(0, rows.find('\n')), groupName);
    text += rows;
    std::size_t widest = 0;
    forEachPart(
        text, [&](std::string_view line) { widest = std::max(widest, countFields(line)); }, "\n");
    MonsterGroup part;
    MemorySource source(text);
    LineReader reader(source);
    if (!readTable(part, reader, widest)) continue;
    std::move(part.monsters.begin(), part.monsters.end(), std::back_inserter(group.monsters));
  }
}

// Reads a statblock's lines with its edition's reader, and adds the monsters to the group's.
void readStatblockLines(MonsterGroup& group, const std::string& lines, bool pathfinder) {
  MonsterGroup part;
  MemorySource source(lines);
  LineReader reader(source);
  if (pathfinder) {
    BlockDetector blocks;
    std::string line;
    while (reader.readLine(line)) blocks.see(line);
    if (!blocks.found() || !reader.rewind()) return;
    part.monsters.resize(blocks.titles());
    readPathfinderBlocks(part, reader, blocks);
  } else {
    readFifthEditionBlocks(part, reader);
  }
  std::move(part.monsters.begin(), part.monsters.end(), std::back_inserter(group.monsters));
}

enum class StatblocksRead { NONE, READ, FAILED };

// Reads the monsters of a markup file's statblocks: its statblock fences, and its front matter
// when that says it is one. NONE when the file holds no statblock.
StatblocksRead readStatblocks(MonsterGroup& group, MarkupText& plain) {
  bool found = false;
  for (StatblockText& text : plain.statblocks) {
    Statblock block;
    StatblockProblem problem;
    const bool read = readStatblock(text.yaml, block, problem);
    // A vault's YAML goes as its monsters come.
    std::string().swap(text.yaml);
    if (!read) {
      // Front matter that is no YAML is no statblock either.
      if (text.frontMatter) continue;
      group.monsters.clear();
      printLine("loadFromFile(): cannot read the statblock on line " +
                std::to_string(text.firstLine + problem.line) + ": " + problem.text);
      return StatblocksRead::FAILED;
    }
    if (text.frontMatter && !marksStatblock(block)) continue;
    found = true;
    if (isMonsterStatblock(block)) {
      readStatblockLines(group, statblockLines(block), isPathfinderStatblock(block));
    }
  }
  return found ? StatblocksRead::READ : StatblocksRead::NONE;
}

// Prepares the monsters read for condensing; "no data" when there are none.
bool prepared(MonsterGroup& group) {
  if (group.monsters.empty()) return noData();
  for (Monster& monster : group.monsters) prepare(monster, group.finishOnLoad);
  return true;
}

// Whether the source begins as a JSON file does; reads only as far as it needs.
bool beginsAsJson(LineReader& reader) {
  // The signs that decide: the first after blanks and "[", and after a "{" the next one.
  std::string signs;
  std::string line;
  const auto decided = [&] { return !signs.empty() && (signs[0] != '{' || signs.size() == 2); };
  while (!decided() && reader.readLine(line)) {
    for (const char c : line) {
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || (signs.empty() && c == '[')) continue;
      signs += c;
      if (decided()) break;
    }
  }
  return looksLikeJson(signs);
}

// Reads the monsters of a tool's JSON file: all of it, or nothing when it is no valid JSON.
bool loadJson(MonsterGroup& group, LineReader& reader) {
  std::string text;
  {
    std::string line;
    while (reader.readLine(line)) text += line;
  }
  if (reader.failed()) return readError();
  JsonProblem problem;
  const bool read = readJsonMonsters(
      std::move(text),
      [&](const std::string& lines, bool pathfinder) {
        readStatblockLines(group, lines, pathfinder);
      },
      problem);
  if (!read) {
    group.monsters.clear();
    printLine("loadFromFile(): cannot read the JSON on line " + std::to_string(problem.line) +
              ": " + problem.text);
    return false;
  }
  return prepared(group);
}

// Reads plain text, or the plain text of a markup file (`markup`), which is not looked at for
// markup again.
bool loadPlainOrMarkup(MonsterGroup& group, TextSource& source, const MarkupText* markup) {
  LineReader reader(source);
  if (markup == nullptr) {
    const bool json = beginsAsJson(reader);
    if (reader.failed() || !reader.rewind()) return readError();
    if (json) return loadJson(group, reader);
  }
  std::size_t widest = 0;
  BlockDetector blocks;
  FifthEditionDetector fifthEdition;
  MarkupDetector markupLines;
  bool hitPointsLine = false;  // Pathfinder's lower-case "hp "
  {
    // Scoped, so that a huge line's buffer is gone before the second pass.
    std::string line;
    while (reader.readLine(line)) {
      widest = std::max(widest, countFields(line));
      if (widest == 1) blocks.see(line);
      fifthEdition.see(line);
      if (markup == nullptr) markupLines.see(line);
      hitPointsLine = hitPointsLine || line.starts_with("hp ") || line.starts_with("hp\t");
    }
  }
  if (reader.failed()) return readError();
  if (markupLines.found()) {
    MarkupText plain;
    if (!reader.rewind() || !readMarkup(reader, plain)) return readError();
    switch (readStatblocks(group, plain)) {
      case StatblocksRead::FAILED:
        return false;
      case StatblocksRead::READ:
        return prepared(group);
      case StatblocksRead::NONE:
        break;
    }
    plain.statblocks = {};
    MemorySource text(plain.text);
    return loadPlainOrMarkup(group, text, &plain);
  }
  if (widest == 0) return noData();
  // A Pathfinder title keeps a file from fifth-edition reading only beside Pathfinder's hit
  // points: brews put the rating in the heading. A file without tabs had every line looked at
  // for titles already.
  const bool fifthEditionBlocks =
      fifthEdition.found() &&
      !(hitPointsLine && (widest == 1 ? blocks.titles() > 0 : holdsPathfinderTitle(reader)));
  if (reader.failed() || !reader.rewind()) return readError();
  if (fifthEditionBlocks) {
    readFifthEditionBlocks(group, reader);
  } else if (widest == 1 && blocks.found()) {
    group.monsters.resize(blocks.titles());
    readPathfinderBlocks(group, reader, blocks);
  } else if (widest > 1 && markup != nullptr && !markup->tables.empty()) {
    readMarkupTables(group, *markup);
  } else {
    if (!readTable(group, reader, widest)) return reader.failed() ? readError() : false;
  }
  if (reader.failed()) return readError();
  // Fifth-edition blocks begin at type lines, and markup tables may hold no stat rows.
  return prepared(group);
}

}  // namespace

void Monster::cutFieldAtTilde(FieldId id) {
  cutBeforeFirst(field(id), '~');
}

bool MonsterGroup::loadFromFile(const std::string& path) {
  clear();
  FileSource file;
  if (!file.open(path)) {
    printLine("loadFromFile(): unable to open file.");
    return false;
  }
  return loadFromSource(file);
}

bool MonsterGroup::loadFromText(std::string_view text) {
  MemorySource source(text);
  return loadFromSource(source);
}

bool MonsterGroup::loadFromSource(TextSource& source) {
  clear();
  return loadPlainOrMarkup(*this, source, nullptr);
}

}  // namespace veldarin
