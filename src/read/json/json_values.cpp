#include "read/json/json_values.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace veldarin {

std::string_view JsonValues::key(Index index) const {
  const JsonValue& value = at(index);
  return std::string_view(pool_).substr(value.textAt - value.keySize, value.keySize);
}

std::string_view JsonValues::text(Index index) const {
  if (!valid(index)) return {};
  const JsonValue& value = at(index);
  return std::string_view(pool_).substr(value.textAt, value.textSize);
}

JsonValues::Index JsonValues::member(Index object, std::string_view name) const {
  if (!isObject(object)) return JsonValue::NO_VALUE;
  Index found = JsonValue::NO_VALUE;
  for (Index child = at(object).firstChild; valid(child); child = at(child).next) {
    if (key(child) == name) found = child;
  }
  return found;
}

bool JsonValues::has(Index object, std::string_view name) const {
  const Index value = member(object, name);
  if (!valid(value)) return false;
  switch (at(value).kind) {
    case JsonKind::NONE:
      return false;
    case JsonKind::OBJECT:
    case JsonKind::ARRAY:
      return at(value).count > 0;
    default:
      return !text(value).empty();
  }
}

std::vector<JsonValues::Index> JsonValues::children(Index collection) const {
  std::vector<Index> found;
  if (!isObject(collection) && !isArray(collection)) return found;
  found.reserve(at(collection).count);
  for (Index child = at(collection).firstChild; valid(child); child = at(child).next) {
    found.push_back(child);
  }
  if (isArray(collection)) return found;
  // The last of duplicate keys wins, at its own place.
  std::unordered_set<std::string_view> seen;
  std::vector<Index> unique;
  for (auto it = found.rbegin(); it != found.rend(); ++it) {
    if (seen.insert(key(*it)).second) unique.push_back(*it);
  }
  std::reverse(unique.begin(), unique.end());
  return unique;
}

JsonValues::Index JsonValues::add(JsonKind kind, std::string_view key, std::string_view text,
                                  Index parent, Index& lastChild) {
  JsonValue value;
  value.kind = kind;
  value.keySize = static_cast<std::uint32_t>(key.size());
  pool_ += key;
  value.textAt = static_cast<std::uint32_t>(pool_.size());
  value.textSize = static_cast<std::uint32_t>(text.size());
  pool_ += text;
  const Index index = static_cast<Index>(values_.size());
  values_.push_back(value);
  if (valid(parent)) {
    JsonValue& holder = values_[parent];
    ++holder.count;
    if (valid(lastChild)) {
      values_[lastChild].next = index;
    } else {
      holder.firstChild = index;
    }
    lastChild = index;
  }
  return index;
}

bool looksLikeJson(std::string_view text) {
  constexpr std::string_view BLANKS = " \t\r\n";
  std::size_t at = text.find_first_not_of(" \t\r\n[");
  if (at == std::string_view::npos) return false;
  if (text[at] == ']' || text[at] == '"') return true;
  if (text[at] != '{') return false;
  at = text.find_first_not_of(BLANKS, at + 1);
  return at != std::string_view::npos && (text[at] == '"' || text[at] == '}');
}

namespace {

constexpr std::size_t DEEPEST = 64;

using Json = nlohmann::json;

// The parser hands a fraction's text, but makes one too large for a double (1e400) an error. So
// every number it hands as a fraction is found first, in file order, with its text in the file,
// and one too large is given to the parser as "0.0..." of the same length.
// The same pass counts, from above, the values and the bytes of their texts, so that the table
// is reserved once rather than doubled.
struct Fractions {
  std::vector<std::string_view> texts;
  std::string patched;  // the text with the large fractions replaced, when there are any
  std::size_t values = 1;
  std::size_t textBytes = 0;
};

bool handedAsFraction(std::string_view number) {
  if (number.find_first_of(".eE") != std::string_view::npos) return true;
  // An integer beyond 64 bits is read as a fraction.
  const bool negative = number.starts_with('-');
  const std::string_view digits = number.substr(negative ? 1 : 0);
  const std::string_view most = negative ? "9223372036854775808" : "18446744073709551615";
  return digits.size() > most.size() || (digits.size() == most.size() && digits > most);
}

Fractions findFractions(std::string_view text) {
  Fractions found;
  bool inText = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inText) {
      ++found.textBytes;
      if (c == '\\') {
        ++i;
      } else if (c == '"') {
        inText = false;
      }
      continue;
    }
    if (c == '"') {
      inText = true;
      continue;
    }
    if (c == ',' || c == '[' || c == '{') ++found.values;
    if (c != '-' && !(c >= '0' && c <= '9')) continue;
    const std::size_t end = std::min(text.find_first_not_of("0123456789+-.eE", i), text.size());
    const std::string_view number = text.substr(i, end - i);
    found.textBytes += number.size();
    i = end - 1;
    if (!handedAsFraction(number)) continue;
    found.texts.push_back(number);
    if (std::isfinite(std::strtod(std::string(number).c_str(), nullptr))) continue;
    if (found.patched.empty()) found.patched = text;
    const std::size_t zero = number.starts_with('-') ? 1 : 0;
    if (number.size() < zero + 3) continue;
    std::string finite(number.size(), '0');
    if (zero == 1) finite[0] = '-';
    finite[zero + 1] = '.';
    found.patched.replace(i + 1 - number.size(), number.size(), finite);
  }
  return found;
}

// Fills the values from the parser's events, counting how deep the collections nest.
class ValuesBuilder : public nlohmann::json_sax<Json> {
 public:
  ValuesBuilder(JsonValues& values, const Fractions& fractions)
      : values_(values), fractions_(fractions) {}

  bool null() override { return scalar(JsonKind::NONE, {}); }
  bool boolean(bool value) override { return scalar(JsonKind::BOOLEAN, value ? "true" : "false"); }
  bool number_integer(number_integer_t value) override {
    return scalar(JsonKind::NUMBER, std::to_string(value));
  }
  bool number_unsigned(number_unsigned_t value) override {
    return scalar(JsonKind::NUMBER, std::to_string(value));
  }
  bool number_float(number_float_t, const string_t& text) override {
    const std::size_t next = fraction_++;
    return scalar(JsonKind::NUMBER,
                  next < fractions_.texts.size() ? fractions_.texts[next] : std::string_view(text));
  }
  bool string(string_t& text) override { return scalar(JsonKind::TEXT, text); }
  bool binary(binary_t&) override { return true; }
  bool start_object(std::size_t) override { return open(JsonKind::OBJECT); }
  bool start_array(std::size_t) override { return open(JsonKind::ARRAY); }
  bool key(string_t& text) override {
    key_ = text;
    return true;
  }
  bool end_object() override { return close(); }
  bool end_array() override { return close(); }
  bool parse_error(std::size_t position, const std::string&,
                   const nlohmann::detail::exception& error) override {
    position_ = position;
    message_ = error.what();
    return false;
  }

  bool tooDeep() const { return tooDeep_; }
  std::size_t position() const { return position_; }
  const std::string& message() const { return message_; }

 private:
  struct Open {
    JsonValues::Index index;
    JsonValues::Index lastChild = JsonValue::NO_VALUE;
  };

  JsonValues::Index put(JsonKind kind, std::string_view text) {
    JsonValues::Index none = JsonValue::NO_VALUE;
    if (open_.empty()) return values_.add(kind, {}, text, JsonValue::NO_VALUE, none);
    Open& parent = open_.back();
    const bool inObject = values_.at(parent.index).kind == JsonKind::OBJECT;
    return values_.add(kind, inObject ? std::string_view(key_) : std::string_view(), text,
                       parent.index, parent.lastChild);
  }
  bool scalar(JsonKind kind, std::string_view text) {
    put(kind, text);
    return true;
  }
  bool open(JsonKind kind) {
    if (open_.size() == DEEPEST) {
      tooDeep_ = true;
      return false;
    }
    open_.push_back({put(kind, {})});
    return true;
  }
  bool close() {
    open_.pop_back();
    return true;
  }

  JsonValues& values_;
  const Fractions& fractions_;
  std::size_t fraction_ = 0;
  std::vector<Open> open_;
  std::string key_;
  bool tooDeep_ = false;
  std::size_t position_ = 0;
  std::string message_;
};

std::size_t lineAt(std::string_view text, std::size_t offset) {
  offset = std::min(offset, text.size());
  return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + offset, '\n'));
}

// Where the first collection deeper than 64 levels opens, in a text valid up to there.
std::size_t deepestOpening(std::string_view text) {
  std::size_t depth = 0;
  bool inText = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inText) {
      if (c == '\\') {
        ++i;
      } else if (c == '"') {
        inText = false;
      }
    } else if (c == '"') {
      inText = true;
    } else if (c == '[' || c == '{') {
      if (++depth > DEEPEST) return i;
    } else if ((c == ']' || c == '}') && depth > 0) {
      --depth;
    }
  }
  return text.size();
}

// The parser's message in the reader's words.
std::string problemText(std::string_view message) {
  const auto says = [&](std::string_view words) {
    return message.find(words) != std::string_view::npos;
  };
  if (says("missing closing quote")) return "a text is not closed";
  if (says("invalid string: control character")) return "a control character inside a text";
  if (says("ill-formed UTF-8")) return "an invalid UTF-8 byte inside a text";
  if (says("invalid string:")) return "an invalid escape";
  if (says("; expected end of input")) return "something after the end of the data";
  if (says("while parsing object key")) return "a key in double quotes is expected";
  if (says("while parsing object separator")) return "a ':' is expected";
  if (says("while parsing object -") || says("while parsing array -")) {
    return "a ',' or a closing bracket is expected";
  }
  return "a value is expected";
}

}  // namespace

bool readJsonValues(std::string_view text, JsonValues& values, JsonProblem& problem) {
  values = {};
  if (text.size() >= std::numeric_limits<std::uint32_t>::max()) {
    problem = {lineAt(text, text.size()), "a file larger than 4 GB"};
    return false;
  }
  const Fractions fractions = findFractions(text);
  const std::string_view parsed = fractions.patched.empty() ? text : fractions.patched;
  values.reserve(fractions.values, fractions.textBytes);
  ValuesBuilder builder(values, fractions);
  if (Json::sax_parse(parsed.begin(), parsed.end(), &builder,
                      nlohmann::detail::input_format_t::json, true, false)) {
    return true;
  }
  values = {};
  if (builder.tooDeep()) {
    problem = {lineAt(text, deepestOpening(text)), "nesting deeper than 64 levels"};
  } else {
    // The parser counts the byte it stopped at as read.
    const std::size_t stop = builder.position() > 0 ? builder.position() - 1 : 0;
    problem = {lineAt(text, stop), problemText(builder.message())};
  }
  return false;
}

}  // namespace veldarin
