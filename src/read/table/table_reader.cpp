#include "read/table/table_reader.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "monster/monster.h"
#include "read/block_text.h"
#include "read/line_reader.h"
#include "read/tab_fields.h"

namespace veldarin {

namespace {

// A row of the table: a catalogue field, or one of a 3.5 table's rows that have none.
using Row = int;
constexpr Row ROW_NONE = FIELD_NONE;
constexpr Row ROW_FULL_ATTACK = -1;
constexpr Row ROW_ATTACK = -2;
constexpr Row ROW_DROPPED = -3;

struct RowLabel {
  std::string_view label;
  Row row;
};

// The rows that 3.5 tables renamed or added, tried in this order after the catalogue's.
constexpr std::array<RowLabel, 7> EDITION35_LABELS{{
    {"Armor Class", FIELD_AC},
    {"Space/Reach", FIELD_FACE_REACH},
    {"Environment", FIELD_CLIMATE_TERRAIN},
    {"Full Attack", ROW_FULL_ATTACK},
    {"Base Attack", FIELD_BASE_ATTACK},
    {"Attack", ROW_ATTACK},
    {"Level Adjustment", ROW_DROPPED},
}};

struct LabelMatch {
  Row row = ROW_NONE;
  std::size_t labelSize = 0;
  bool edition35 = false;
};

// The row whose label begins the line. The base attack's catalogue label is not among them:
// only the 3.5 labels lead to it, and those count only with a ":" in the label cell, so that
// wrapped text such as "Attack; Great Fortitude" stays a continuation.
// The bytes that begin some row label: a line that begins with any other (a continuation row's
// tab) is looked at no further.
constexpr std::array<bool, 256> LABEL_STARTS = [] {
  std::array<bool, 256> starts{};
  for (const FieldInfo& info : fieldTable)
    starts[static_cast<unsigned char>(info.label.front())] = true;
  for (const RowLabel& label : EDITION35_LABELS) {
    starts[static_cast<unsigned char>(label.label.front())] = true;
  }
  return starts;
}();

LabelMatch labelOf(std::string_view line, std::string_view labelCell) {
  if (line.empty() || !LABEL_STARTS[static_cast<unsigned char>(line.front())]) return {};
  for (const FieldInfo& info : fieldTable) {
    if (info.id == FIELD_BASE_ATTACK) continue;
    // The first letter rules out nearly every label before a whole comparison.
    if (line.front() == info.label.front() && line.starts_with(info.label)) {
      return {info.id, info.label.size(), false};
    }
  }
  if (labelCell.find(':') == std::string_view::npos) return {};
  for (const RowLabel& label : EDITION35_LABELS) {
    if (line.starts_with(label.label)) return {label.row, label.label.size(), true};
  }
  return {};
}

// Appends to the monster's text of the row; a dropped row keeps nothing.
void appendToRow(Monster& monster, Row row, std::string_view text,
                 const char* separator = nullptr) {
  switch (row) {
    case ROW_FULL_ATTACK:
      return appendText(monster.edition35.fullAttack, text, separator);
    case ROW_ATTACK:
      return appendText(monster.edition35.attack, text, separator);
    case ROW_DROPPED:
      return;
    default:
      return monster.appendToField(row, text, separator);
  }
}

// A single-block stat line's value: what follows the first ":" and the character after it, or
// without any ":" what follows the label, less leading spaces.
std::string_view singleBlockValue(std::string_view line, std::size_t labelSize) {
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos) {
    std::string_view rest = line.substr(labelSize);
    rest = withoutLeading(rest, " ");
    return rest;
  }
  if (colon + 2 >= line.size()) return {};
  return line.substr(colon + 2);
}

// What a row's lines left in the monsters they did not reach, kept as two bounds so that a line
// costs only its own cells however wide the table: monsters from `spaceFrom` on still owe the
// space that a short line's empty text adds, and monsters from `markedFrom` on end in the "..."
// mark with nothing but empty text since, so that a mark is not repeated there.
struct RowBounds {
  std::size_t spaceFrom;
  std::size_t markedFrom;
};

// The rows that keep bounds: the catalogue's fields, then the two 3.5 attack rows.
constexpr std::size_t ROW_COUNT = FIELD_COUNT + 2;

std::size_t rowSlot(Row row) {
  if (row == ROW_FULL_ATTACK) return FIELD_COUNT;
  if (row == ROW_ATTACK) return FIELD_COUNT + 1;
  return static_cast<std::size_t>(fieldIndex(row));
}

// One load's reading state: the file, the current line and its fields.
class TableReader {
 public:
  TableReader(MonsterGroup& group, LineReader& reader, std::size_t widest)
      : group_(group), reader_(reader), widest_(widest) {
    bounds_.fill({monsters(), monsters()});
  }

  bool nextLine() {
    if (!reader_.readLine(line_)) return false;
    fieldCount_ = splitFields(line_, monsters() + 1, cells_);
    return true;
  }

  std::string_view line() const { return line_; }
  std::size_t fieldCount() const { return fieldCount_; }

  std::string_view labelCell() const { return cells_.empty() ? std::string_view() : cells_[0]; }

  std::string_view cellOf(std::size_t monster) const {
    const std::size_t column = MonsterGroup::columnIndex(widest_, static_cast<int>(monster));
    return column < cells_.size() ? cells_[column] : std::string_view();
  }

  // Appends every monster's cell of a head line (the group is not yet in a row).
  void appendHead(FieldId field, const char* separator = nullptr) {
    for (std::size_t i = 0; i < monsters(); ++i)
      group_.monsters[i].appendToField(field, cellOf(i), separator);
  }

  // Appends the line's cells to the row. The monsters it has no cell for would get the empty
  // text, which only adds a space that any later text brings anyway: that is left to finish().
  void appendLine(Row row) {
    if (row == ROW_DROPPED) return;
    RowBounds& bounds = bounds_[rowSlot(row)];
    const std::size_t reached = std::min(monsters(), widest_ == 1 ? 1 : cells_.size() - 1);
    std::size_t lastText = 0;
    for (std::size_t i = 0; i < reached; ++i) {
      const std::string_view cell = cellOf(i);
      appendToRow(group_.monsters[i], row, cell);
      if (!cell.empty()) lastText = i + 1;
    }
    bounds.markedFrom = std::max(bounds.markedFrom, lastText);
    bounds.spaceFrom = reached;
  }

  // The "..." mark of a line of the wrong width, on every monster not marked already.
  void mark(Row row) {
    if (row == ROW_DROPPED) return;
    RowBounds& bounds = bounds_[rowSlot(row)];
    for (std::size_t i = 0; i < bounds.markedFrom; ++i) appendToRow(group_.monsters[i], row, "...");
    bounds.spaceFrom = std::max(bounds.spaceFrom, bounds.markedFrom);
    bounds.markedFrom = 0;
  }

  // The spaces still owed, once the rows are read.
  void finish() {
    for (const FieldInfo& info : fieldTable) owe(info.id);
    owe(ROW_FULL_ATTACK);
    owe(ROW_ATTACK);
  }

 private:
  std::size_t monsters() const { return group_.monsters.size(); }

  void owe(Row row) {
    for (std::size_t i = bounds_[rowSlot(row)].spaceFrom; i < monsters(); ++i)
      appendToRow(group_.monsters[i], row, "");
  }

  MonsterGroup& group_;
  LineReader& reader_;
  std::size_t widest_;
  std::string line_;
  std::vector<std::string_view> cells_;
  std::size_t fieldCount_ = 0;
  std::array<RowBounds, ROW_COUNT> bounds_;
};

// The group-name, name and type lines; false when the file ends before them.
bool readHead(MonsterGroup& group, TableReader& table, bool singleBlock) {
  if (!singleBlock) {
    if (!table.nextLine()) return false;
    const std::string_view groupName = table.line().substr(0, table.line().find_first_of("\t\n"));
    if (!groupName.empty()) {
      for (Monster& monster : group.monsters) monster.appendToField(FIELD_NAME, groupName);
    }
  }
  if (!table.nextLine()) return false;
  table.appendHead(FIELD_NAME, ", ");
  if (!table.nextLine()) return false;
  if (table.line().size() < 2 && !table.nextLine()) return false;
  table.appendHead(FIELD_TYPE);
  return true;
}

// Which of a 3.5 table's rows the file holds; every monster of the table shares them.
struct Edition35Rows {
  bool table = false;
  bool fullAttack = false;
  bool attack = false;

  void see(Row row) {
    table = true;
    fullAttack = fullAttack || row == ROW_FULL_ATTACK;
    attack = attack || row == ROW_ATTACK;
  }

  void markEvery(MonsterGroup& group) const {
    for (Monster& monster : group.monsters) {
      monster.edition35.table = table;
      monster.edition35.fullAttackRow = fullAttack;
      monster.edition35.attackRow = attack;
    }
  }
};

// The stat rows and their continuation lines, to the end of the file.
void readRows(MonsterGroup& group, TableReader& table, std::size_t widest) {
  const bool singleBlock = widest == 1;
  Row previous = ROW_NONE;
  Edition35Rows edition35;
  while (table.nextLine()) {
    const LabelMatch match = labelOf(table.line(), table.labelCell());
    const Row row = match.row;
    if (match.edition35) edition35.see(row);
    if (row != ROW_NONE) {
      if (singleBlock && row != previous) {
        appendToRow(group.monsters[0], row, singleBlockValue(table.cellOf(0), match.labelSize));
      } else {
        table.appendLine(row);
      }
      previous = row;
    } else if (previous == ROW_NONE) {
      continue;
    } else if (table.fieldCount() == widest) {
      table.appendLine(previous);
    } else {
      table.mark(previous);
      previous = ROW_NONE;
    }
  }
  table.finish();
  if (edition35.table) edition35.markEvery(group);
}

}  // namespace

std::size_t MonsterGroup::columnIndex(std::size_t widest, int i) {
  return widest == 1 ? 0 : static_cast<std::size_t>(i) + 1;
}

bool readTable(MonsterGroup& group, LineReader& reader, std::size_t widest) {
  group.monsters.resize(widest == 1 ? 1 : widest - 1);
  TableReader table(group, reader, widest);
  if (!readHead(group, table, widest == 1)) return false;
  readRows(group, table, widest);
  return true;
}

bool selectsRow(std::string_view line) {
  return labelOf(line, line.substr(0, line.find('\t'))).row != ROW_NONE;
}

}  // namespace veldarin
