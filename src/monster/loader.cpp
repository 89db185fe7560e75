#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "driver/console.h"
#include "monster/line_reader.h"
#include "monster/monster.h"
#include "monster/tab_fields.h"
#include "monster/text_cut.h"
#include "monster/text_source.h"

namespace veldarin {

namespace {

// The catalogue field whose label begins the line, or FIELD_NONE.
FieldId labelOf(std::string_view line) {
  if (line.empty()) return FIELD_NONE;
  for (const FieldInfo& info : fieldTable) {
    // The first letter rules out nearly every label before a whole comparison.
    if (line.front() == info.label.front() && line.starts_with(info.label)) return info.id;
  }
  return FIELD_NONE;
}

// A single-block stat line's value: what follows the first ":" and the character after it, or
// without any ":" what follows the label, less leading spaces.
std::string_view singleBlockValue(std::string_view line, FieldId id) {
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos) {
    std::string_view rest = line.substr(fieldTable[fieldIndex(id)].label.size());
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    return rest;
  }
  if (colon + 2 >= line.size()) return {};
  return line.substr(colon + 2);
}

// One load's reading state: the file, the current line and its fields.
class TableReader {
 public:
  TableReader(MonsterGroup& group, LineReader& reader, std::size_t widest)
      : group_(group), reader_(reader), widest_(widest) {}

  bool nextLine() {
    if (!reader_.readLine(line_)) return false;
    fieldCount_ = splitFields(line_, static_cast<std::size_t>(group_.count) + 1, cells_);
    return true;
  }

  std::string_view line() const { return line_; }
  std::size_t fieldCount() const { return fieldCount_; }

  std::string_view cellOf(int monster) const {
    const std::size_t column = MonsterGroup::columnIndex(widest_, monster);
    return column < cells_.size() ? cells_[column] : std::string_view();
  }

  void appendColumns(FieldId id, const char* separator = nullptr) {
    for (int i = 0; i < group_.count; ++i) {
      group_.monsters[i].appendToField(id, cellOf(i), separator);
    }
  }

 private:
  MonsterGroup& group_;
  LineReader& reader_;
  std::size_t widest_;
  std::string line_;
  std::vector<std::string_view> cells_;
  std::size_t fieldCount_ = 0;
};

void prepare(Monster& monster) {
  for (const FieldInfo& info : fieldTable) monster.cutFieldAtTilde(info.id);
  monster.appendToField(FIELD_HIT_POINTS, "___");
  monster.extractNumbers();
  monster.summarizeAttacks();
}

}  // namespace

std::size_t MonsterGroup::columnIndex(std::size_t widest, int i) {
  return widest == 1 ? 0 : static_cast<std::size_t>(i) + 1;
}

void Monster::cutFieldAtTilde(FieldId id) {
  cutBeforeFirst(field(id), '~');
}

namespace {

bool readError() {
  printLine("loadFromFile(): error reading file.");
  return false;
}

// The group-name, name and type lines; false when the file ends before them.
bool readHead(MonsterGroup& group, TableReader& table, bool singleBlock) {
  if (!singleBlock) {
    if (!table.nextLine()) return false;
    const std::string_view groupName = table.line().substr(0, table.line().find_first_of("\t\n"));
    if (!groupName.empty()) {
      for (int i = 0; i < group.count; ++i) group.monsters[i].appendToField(FIELD_NAME, groupName);
    }
  }
  if (!table.nextLine()) return false;
  table.appendColumns(FIELD_NAME, ", ");
  if (!table.nextLine()) return false;
  if (table.line().size() < 2 && !table.nextLine()) return false;
  table.appendColumns(FIELD_TYPE);
  return true;
}

// The stat rows and their continuation lines, to the end of the file.
void readRows(MonsterGroup& group, TableReader& table, std::size_t widest) {
  const bool singleBlock = widest == 1;
  FieldId previous = FIELD_NONE;
  while (table.nextLine()) {
    const FieldId id = labelOf(table.line());
    if (id != FIELD_NONE) {
      if (singleBlock && id != previous) {
        group.monsters[0].appendToField(id, singleBlockValue(table.cellOf(0), id));
      } else {
        table.appendColumns(id);
      }
      previous = id;
    } else if (previous == FIELD_NONE) {
      continue;
    } else if (table.fieldCount() == widest) {
      table.appendColumns(previous);
    } else {
      for (int i = 0; i < group.count; ++i) group.monsters[i].appendToField(previous, "...");
      previous = FIELD_NONE;
    }
  }
}

}  // namespace

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
  {
    // Scoped, so that a huge line's buffer is gone before the second pass.
    std::string line;
    while (reader.readLine(line)) widest = std::max(widest, countFields(line));
  }
  if (reader.failed()) return readError();
  if (widest > static_cast<std::size_t>(MAX_MONSTERS) + 1) {
    printLine("loadFromFile(): more than 8 monsters; only the first 8 are read.");
  }
  if (widest == 0) {
    printLine("loadFromFile(): found no data.");
    return false;
  }
  const bool singleBlock = widest == 1;
  count = singleBlock ? 1 : static_cast<int>(std::min<std::size_t>(widest - 1, MAX_MONSTERS));
  if (!reader.rewind()) return readError();

  TableReader table(*this, reader, widest);
  if (!readHead(*this, table, singleBlock)) return reader.failed() ? readError() : false;
  readRows(*this, table, widest);
  if (reader.failed()) return readError();

  for (int i = 0; i < count; ++i) prepare(monsters[i]);
  return true;
}

}  // namespace veldarin
