#pragma once

#include <array>
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "monster/fields.h"

namespace veldarin {
class TextSource;
struct FileCalls;
}  // namespace veldarin

namespace veldarin {

inline constexpr int MAX_ATTACK_ITEMS = 16;

using AttackItems = std::array<std::string, MAX_ATTACK_ITEMS>;

// Appends text: a non-empty text first gets the separator, or with no separator (nullptr) a
// single space unless it already ends in one.
void appendText(std::string& to, std::string_view text, const char* separator = nullptr);

// What a 3.5 table gives beyond the fields: its two attack rows, which become the Attacks and
// Damage fields when the monster is prepared.
struct Edition35 {
  bool table = false;  // at least one 3.5 row was read
  bool fullAttackRow = false;
  bool attackRow = false;
  std::string fullAttack;
  std::string attack;
};

// What a Pathfinder block gives beyond the fields: its attack lines, which become the Attacks
// and Damage fields when the monster is prepared, and the Listen and Spot of its Init line
// (Perception stands for both).
struct Pathfinder {
  bool block = false;
  bool meleeLine = false;
  bool rangedLine = false;
  std::string melee;
  std::string ranged;
  std::optional<int> listen;
  std::optional<int> spot;
};

// One creature: its 24 texts, reached only through field(id), and the ten integers derived
// from them by extractNumbers.
class Monster {
 public:
  // The text of a catalogue field. An id outside the catalogue aborts the program rather
  // than reach memory outside the record.
  std::string& field(FieldId id);
  const std::string& field(FieldId id) const;

  // Empties every text and zeroes every integer.
  void clear();

  // appendText onto a field.
  void appendToField(FieldId id, std::string_view text, const char* separator = nullptr);

  // Cuts the field before its first "~", together with one space directly before it.
  void cutFieldAtTilde(FieldId id);

  // A 3.5 table's preparation: "—" read as "-", the attack row turned into Attacks and
  // Damage, the square space written as face.
  void prepareEdition35();

  // A Pathfinder block's preparation: "—" read as "-", the Melee and Ranged lines turned into
  // Attacks and Damage.
  void preparePathfinder();

  // A fifth-edition block's preparation: "—" read as "-". Its reader has written the attacks.
  void prepareFifthEdition();

  // Sets the ten integers from the texts; without `rolls`, all but the initiative, armor class
  // and saves.
  void extractNumbers(bool rolls = true);
  // Sets those that the templates move: initiative, armor class, rating and saves.
  void extractRolls();

  // Rebuilds FIELD_ABBR_ATTACKS from FIELD_ATTACKS and FIELD_DAMAGE.
  void summarizeAttacks();
  // Lowers the text, splits it at "," and ";" into at most 16 items and strips each item's
  // leading spaces and "or" words. Assigns the first `count` items.
  static void splitAttackItems(std::string text, AttackItems& items, int& count);

  // Shortens fields in place for the abbreviated stat line.
  void abbreviateFields();
  void cutFieldAtParen(FieldId id);
  void clearFieldIfDash(FieldId id);

  // abbreviateFields, then lowers and shortens the texts of a spreadsheet row's last column.
  void abbreviateForSpreadsheet();
  void lowerCaseField(FieldId id);

  // Turns the monster into its celestial (1), fiendish (2), entropic (6) or resolute (7)
  // variant; other codes do nothing.
  void applyTemplate(int templateCode);
  // The same with `namesBefore` (the simple templates' words) put before its word in the name,
  // and `buffer`, which a caller reuses from monster to monster, to build texts in.
  void applyTemplate(int templateCode, std::string_view namesBefore, std::string& buffer);
  // A fifth-edition monster moved from its own challenge rating to the rating of the target
  // row (0, 1/8, 1/4, 1/2, 1 to 30); a monster whose rating is not read stays as it is.
  void scaleToRating(std::size_t targetRow);
  static void templateBands(int hitDice, int& resistance, int& reductionGrade, int& crIncrease);

  // Per-monster writers of the summary file. The abbreviated and spreadsheet writers shorten
  // the fields in place first.
  void printAbbreviated(std::ostream& file);
  void printFull(std::ostream& file) const;
  void printSpreadsheet(std::ostream& file);

  int cr = 0;
  int hitDice = 0;
  int initiative = 0;
  int speed = 0;
  int armorClass = 0;
  int fortSave = 0;
  int refSave = 0;
  int willSave = 0;
  int listen = 0;
  int spot = 0;

  Edition35 edition35;
  Pathfinder pathfinder;
  // Read from a fifth-edition block: its saves are by ability, its alignment a code or a text,
  // and the templates have no rules for it.
  bool fifthEditionBlock = false;

 private:
  std::array<std::string, FIELD_COUNT> texts_;
};

// The creatures of one input file, in file order, as many as it holds.
class MonsterGroup {
 public:
  // Removes every monster.
  void clear();
  int count() const { return static_cast<int>(monsters.size()); }

  // Reads a stat table into the group and prepares every monster. Prints its own message
  // where it has one and returns false when the table could not be read whole.
  bool loadFromFile(const std::string& path);
  // The same from a text in memory, and from any source (the loader's one seam).
  bool loadFromText(std::string_view text);
  bool loadFromSource(TextSource& source);

  // Column of monster i in a table whose widest line has `widest` fields.
  static std::size_t columnIndex(std::size_t widest, int i);

  // Applies the templates asked for (a bit for each code) to every monster, and finishes what
  // they rewrote or the loader left: the rolls and the condensed attacks. False, with a printed
  // message, when they have no rules for some monster; the group is then unchanged.
  bool applyTemplates(unsigned templates);

  // Moves every monster to the rating of the target row, when there is one. False, with a
  // printed message, when some monster is not fifth-edition; the group is then unchanged.
  bool scaleToRating(std::optional<std::size_t> targetRow);

  // Writes the summary file in format 1 to 4; false (with a printed message) when it was not
  // written whole.
  bool printToFile(const std::string& fileName, int formatCode);
  // The same through the given file calls, which tests make fail.
  bool printToFile(const std::string& fileName, int formatCode, const FileCalls& calls);

  // The summary in format 1 to 4 onto a stream; the writers' part of printToFile.
  void writeSummary(std::ostream& out, int formatCode);

  std::vector<Monster> monsters;
  // Whether loading finishes the monsters: condenses their attacks and reads their rolls. A run
  // that templates its monsters clears it, and applyTemplates finishes them once their texts are
  // final, rather than twice.
  bool finishOnLoad = true;
};

}  // namespace veldarin
