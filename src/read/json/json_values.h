#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veldarin {

enum class JsonKind : std::uint8_t { NONE, BOOLEAN, NUMBER, TEXT, OBJECT, ARRAY };

// One value of the file, its key and then its text (scalars) kept in the values' text pool, its
// children linked in file order.
struct JsonValue {
  static constexpr std::uint32_t NO_VALUE = UINT32_MAX;

  JsonKind kind = JsonKind::NONE;
  std::uint32_t keySize = 0;  // the key stands just before the text
  std::uint32_t textAt = 0;
  std::uint32_t textSize = 0;
  std::uint32_t firstChild = NO_VALUE;
  std::uint32_t next = NO_VALUE;
  std::uint32_t count = 0;  // children
};

// Every value of a JSON file in one flat table, read without recursion: walking it never goes
// deeper than the 64 levels the reader lets a file nest.
class JsonValues {
 public:
  using Index = std::uint32_t;

  const JsonValue& at(Index index) const { return values_[index]; }
  Index root() const { return 0; }
  bool empty() const { return values_.empty(); }

  bool isObject(Index index) const { return valid(index) && at(index).kind == JsonKind::OBJECT; }
  bool isArray(Index index) const { return valid(index) && at(index).kind == JsonKind::ARRAY; }
  bool isText(Index index) const { return valid(index) && at(index).kind == JsonKind::TEXT; }
  bool isScalar(Index index) const {
    return valid(index) &&
           (at(index).kind == JsonKind::TEXT || at(index).kind == JsonKind::NUMBER ||
            at(index).kind == JsonKind::BOOLEAN);
  }
  static bool valid(Index index) { return index != JsonValue::NO_VALUE; }

  std::string_view key(Index index) const;
  // A scalar's text as the file has it (a number's digits); empty for the rest.
  std::string_view text(Index index) const;
  // An object's member under `name`, the last when the key is given twice; NO_VALUE when none.
  Index member(Index object, std::string_view name) const;
  // Holds a value that is not absent (null, "", [] or {} are absent).
  bool has(Index object, std::string_view name) const;
  // A collection's first child; NO_VALUE when it has none or is no collection.
  Index first(Index collection) const {
    return isObject(collection) || isArray(collection) ? at(collection).firstChild
                                                       : JsonValue::NO_VALUE;
  }
  // A collection's children in file order; an object's keys once, where their last value stands.
  std::vector<Index> children(Index collection) const;

  // Building, for the reader.
  void reserve(std::size_t count, std::size_t textBytes) {
    values_.reserve(count);
    pool_.reserve(textBytes);
  }
  Index add(JsonKind kind, std::string_view key, std::string_view text, Index parent,
            Index& lastChild);

 private:
  std::vector<JsonValue> values_;
  std::string pool_;
};

// Why a file is no JSON: its line (from 1) and the problem in words.
struct JsonProblem {
  std::size_t line = 0;
  std::string text;
};

// Whether a text is a JSON file: after blanks and any run of "[" and blanks, it begins with
// "]", "\"" or "{" followed, after blanks, by "\"" or "}".
bool looksLikeJson(std::string_view text);

// Reads a JSON text into `values`. False, with the problem, when it is no valid JSON or nests
// deeper than 64 levels.
bool readJsonValues(std::string_view text, JsonValues& values, JsonProblem& problem);

}  // namespace veldarin
