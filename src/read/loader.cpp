#include <algorithm>
#include <string>
#include <string_view>

#include "monster/monster.h"
#include "monster/text_cut.h"
#include "read/block_text.h"
#include "read/fifth/fifth_block.h"
#include "read/line_reader.h"
#include "read/pathfinder/pathfinder_block.h"
#include "read/tab_fields.h"
#include "read/table/table_reader.h"
#include "read/text_source.h"
#include "system/console.h"

namespace veldarin {

namespace {

void prepare(Monster& monster) {
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
  monster.extractNumbers();
  // A fifth-edition reader condenses its attacks itself: their names hold commas.
  if (!monster.fifthEditionBlock) monster.summarizeAttacks();
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
  LineReader reader(source);
  std::size_t widest = 0;
  BlockDetector blocks;
  FifthEditionDetector fifthEdition;
  {
    // Scoped, so that a huge line's buffer is gone before the second pass.
    std::string line;
    while (reader.readLine(line)) {
      widest = std::max(widest, countFields(line));
      if (widest == 1) blocks.see(line);
      fifthEdition.see(line);
    }
  }
  if (reader.failed()) return readError();
  if (widest == 0) return noData();
  // A file without tabs had every line looked at for titles already.
  const bool fifthEditionBlocks =
      fifthEdition.found() && !(widest == 1 ? blocks.titles() > 0 : holdsPathfinderTitle(reader));
  if (reader.failed() || !reader.rewind()) return readError();
  if (fifthEditionBlocks) {
    readFifthEditionBlocks(*this, reader);
  } else if (widest == 1 && blocks.found()) {
    monsters.resize(blocks.titles());
    readPathfinderBlocks(*this, reader);
  } else {
    monsters.resize(widest == 1 ? 1 : widest - 1);
    if (!readTable(*this, reader, widest)) return reader.failed() ? readError() : false;
  }
  if (reader.failed()) return readError();
  // Only fifth-edition blocks can come out empty: their monsters begin at type lines.
  if (monsters.empty()) return noData();

  for (Monster& monster : monsters) prepare(monster);
  return true;
}

}  // namespace veldarin
