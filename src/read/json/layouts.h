#pragma once

#include <optional>
#include <span>
#include <string>
#include <unordered_map>

#include "read/json/json_values.h"
#include "read/statblock/statblock.h"

namespace veldarin {

// Each tool's monster as the values of the block the tool draws from it.

// The entries of a 5etools bestiary, so that a copy can find the monster it names.
class FivetoolsBook {
 public:
  // Copies together read and write at most `budget` bytes of text, so that thousands of copies
  // of one long monster, or replacements that multiply a text, keep the time linear in the file.
  FivetoolsBook(const JsonValues& values, std::span<const JsonValues::Index> entries,
                std::size_t budget);
  // Nothing for a copy whose monster is not in the book, whose edits are not text
  // replacements alone, or that would go over the budget.
  std::optional<Statblock> block(JsonValues::Index entry);

 private:
  const JsonValues& values_;
  std::unordered_map<std::string, JsonValues::Index> byName_;  // "name|source", lower case
  std::size_t budget_;
};

// The SRD API's record, or the fields of an Open5e fixture of the first layout.
Statblock srdApiBlock(const JsonValues& values, JsonValues::Index record);

// An Open5e creature fixture with the trait and action fixtures that name it as their parent.
Statblock open5eBlock(const JsonValues& values, JsonValues::Index creature,
                      std::span<const JsonValues::Index> parts);

Statblock improvedInitiativeBlock(const JsonValues& values, JsonValues::Index creature);

Statblock foundryBlock(const JsonValues& values, JsonValues::Index actor);

// The lines of a Pathfinder block from a PSRD creature.
std::string psrdLines(const JsonValues& values, JsonValues::Index creature);

}  // namespace veldarin
