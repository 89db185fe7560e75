#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "monster/ascii.h"
#include "read/block_text.h"
#include "read/json/fivetools_tags.h"
#include "read/json/json_text.h"
#include "read/json/layouts.h"

namespace veldarin {

namespace {

using Index = JsonValues::Index;

constexpr auto SIZES = std::to_array<CodeLabel>({{"F", "Fine"},
                                                 {"D", "Diminutive"},
                                                 {"T", "Tiny"},
                                                 {"S", "Small"},
                                                 {"M", "Medium"},
                                                 {"L", "Large"},
                                                 {"H", "Huge"},
                                                 {"G", "Gargantuan"},
                                                 {"C", "Colossal"}});

constexpr auto ALIGNMENTS = std::to_array<CodeLabel>({{"L", "lawful"},
                                                      {"N", "neutral"},
                                                      {"NX", "neutral"},
                                                      {"NY", "neutral"},
                                                      {"C", "chaotic"},
                                                      {"G", "good"},
                                                      {"E", "evil"},
                                                      {"U", "unaligned"},
                                                      {"A", "any alignment"}});

// A code's words, or the code itself when it has none.
std::string wordsFor(std::span<const CodeLabel> labels, const std::string& code) {
  return std::string(labelOf(labels, code, code));
}

struct Replacement {
  std::string from;
  std::string to;
  bool anyCase = false;
};

// Every match of the edit's text, left to right and not overlapping, replaced, into `made`;
// false once that would be longer than `limit`. A Knuth-Morris-Pratt scan, so that a long
// pattern costs no more than the text.
bool replaced(std::string_view text, const Replacement& edit, std::size_t limit,
              std::string& made) {
  const std::string_view from = edit.from;
  made.clear();
  if (from.empty()) {
    made = text;
    return text.size() <= limit;
  }
  const auto same = [&](char a, char b) {
    return edit.anyCase ? toLowerAscii(a) == toLowerAscii(b) : a == b;
  };
  std::vector<std::size_t> fallback(from.size(), 0);
  for (std::size_t i = 1, k = 0; i < from.size(); ++i) {
    while (k > 0 && !same(from[i], from[k])) k = fallback[k - 1];
    if (same(from[i], from[k])) ++k;
    fallback[i] = k;
  }
  std::size_t matched = 0;
  std::size_t copied = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    while (matched > 0 && !same(text[i], from[matched])) matched = fallback[matched - 1];
    if (same(text[i], from[matched])) ++matched;
    if (matched < from.size()) continue;
    made.append(text.substr(copied, i + 1 - from.size() - copied));
    if (made.size() + edit.to.size() > limit) return false;
    made.append(edit.to);
    copied = i + 1;
    matched = 0;
  }
  made.append(text.substr(copied));
  return made.size() <= limit;
}

// A monster entry, or a copy read over the entry it names.
class Entry {
 public:
  // A copy reads on the book's budget (`budget`, else none).
  Entry(const JsonValues& values, Index own, Index base, std::vector<Replacement> edits,
        std::size_t* budget)
      : values_(values), own_(own), base_(base), edits_(std::move(edits)), budget_(budget) {}

  Index get(std::string_view key) const {
    const Index value = values_.member(own_, key);
    return JsonValues::valid(value) || !JsonValues::valid(base_) ? value
                                                                 : values_.member(base_, key);
  }
  const JsonValues& values() const { return values_; }

  // A scalar's raw text with the copy's replacements and tags undone.
  std::string raw(Index index) const {
    if (!values_.isScalar(index)) return {};
    if (values_.at(index).kind == JsonKind::NUMBER) return wholeNumber(values_.text(index));
    std::string text(values_.text(index));
    if (budget_ == nullptr) return withoutToolTags(text);
    std::string made;
    for (const Replacement& edit : edits_) {
      if (!spend(text.size())) return {};
      if (!replaced(text, edit, *budget_, made)) {
        over_ = true;
        return {};
      }
      text.swap(made);
    }
    if (!spend(text.size())) return {};
    return withoutToolTags(text);
  }
  bool overBudget() const { return over_; }
  std::string text(Index index) const { return oneLine(raw(index)); }
  // The entry's own name, which the replacements leave as it is.
  std::string name() const {
    return oneLine(withoutToolTags(values_.text(values_.member(own_, "name"))));
  }
  std::string text(std::string_view key) const { return text(get(key)); }
  std::string member(Index object, std::string_view key) const {
    return text(values_.member(object, key));
  }
  std::string listText(Index list) const {
    if (values_.isScalar(list)) return text(list);
    std::vector<std::string> texts;
    for (const Index item : values_.children(list)) texts.push_back(text(item));
    return joinedTexts(texts);
  }

 private:
  bool spend(std::size_t bytes) const {
    over_ = over_ || bytes > *budget_;
    if (!over_) *budget_ -= bytes;
    return !over_;
  }

  const JsonValues& values_;
  Index own_;
  Index base_;
  std::vector<Replacement> edits_;
  std::size_t* budget_;
  mutable bool over_ = false;
};

std::string sizeText(const Entry& entry) {
  const JsonValues& values = entry.values();
  const Index size = entry.get("size");
  if (values.isScalar(size)) return wordsFor(SIZES, entry.text(size));
  std::string text;
  for (const Index code : values.children(size)) {
    if (!text.empty()) text += " or ";
    text += wordsFor(SIZES, entry.text(code));
  }
  return text;
}

void readType(const Entry& entry, Statblock& block) {
  const JsonValues& values = entry.values();
  const Index type = entry.get("type");
  if (!values.isObject(type)) {
    setText(block, StatKey::TYPE, entry.text(type));
    return;
  }
  Index kind = values.member(type, "type");
  std::string text;
  if (values.isObject(kind)) {
    for (const Index choice : values.children(values.member(kind, "choose"))) {
      if (!text.empty()) text += " or ";
      text += entry.text(choice);
    }
  } else {
    text = entry.text(kind);
  }
  const std::string swarm = entry.member(type, "swarmSize");
  if (!swarm.empty()) {
    text = "swarm of " + wordsFor(SIZES, swarm) + " " + text + "s";
  }
  setText(block, StatKey::TYPE, text);
  std::vector<std::string> tags;
  for (const Index tag : values.children(values.member(type, "tags"))) {
    if (values.isObject(tag)) {
      const std::string prefix = entry.member(tag, "prefix");
      tags.push_back((prefix.empty() ? "" : prefix + " ") + entry.member(tag, "tag"));
    } else {
      tags.push_back(entry.text(tag));
    }
  }
  setText(block, StatKey::SUBTYPE, joinedTexts(tags));
}

std::string alignmentText(const Entry& entry, Index alignment) {
  const JsonValues& values = entry.values();
  if (values.isScalar(alignment)) return wordsFor(ALIGNMENTS, entry.text(alignment));
  std::string text;
  for (const Index part : values.children(alignment)) {
    std::string word;
    if (values.isObject(part)) {
      word = values.has(part, "special") ? entry.member(part, "special")
                                         : alignmentText(entry, values.member(part, "alignment"));
      if (!text.empty() && !word.empty()) text += " or ";
    } else {
      word = wordsFor(ALIGNMENTS, entry.text(part));
      // ["N", "N"] is neutral once.
      if (text == word) continue;
      if (!text.empty()) text += ' ';
    }
    text += word;
  }
  return text;
}

std::string armorText(const Entry& entry) {
  const JsonValues& values = entry.values();
  const Index armor = entry.get("ac");
  if (values.isScalar(armor)) return entry.text(armor);
  std::string text;
  for (const Index item : values.children(armor)) {
    std::string part;
    if (values.isObject(item)) {
      part = values.has(item, "special") ? entry.member(item, "special") : entry.member(item, "ac");
      const std::string from = entry.listText(values.member(item, "from"));
      if (!from.empty()) part += " (" + from + ")";
      const std::string condition = entry.member(item, "condition");
      if (!condition.empty()) part += " " + condition;
    } else {
      part = entry.text(item);
    }
    if (part.empty()) continue;
    if (!text.empty()) text += ", ";
    text += part;
  }
  return text;
}

std::string speedText(const Entry& entry) {
  const JsonValues& values = entry.values();
  const Index speed = entry.get("speed");
  if (!values.isObject(speed)) return entry.text(speed);
  return veldarin::speedText(
      [&](std::string_view mode) {
        const Index value = values.member(speed, mode);
        if (!values.isObject(value)) return entry.text(value);
        std::string part = entry.member(value, "number");
        if (!part.empty()) part += " ft.";
        const std::string condition = entry.member(value, "condition");
        if (!condition.empty()) part += (part.empty() ? "" : " ") + condition;
        return part;
      },
      entry.text(values.member(speed, "canHover")) == "true");
}

// "bludgeoning, piercing, and slashing": a list as a sentence gives it.
std::string sentenceList(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += items.size() == 2 ? " and " : i + 1 == items.size() ? ", and " : ", ";
    text += items[i];
  }
  return text;
}

// Damage and condition lists: texts after ", ", and each object's "preNote items note" after "; ".
std::string defenseText(const Entry& entry, std::string_view key) {
  const JsonValues& values = entry.values();
  std::vector<std::string> texts;
  std::vector<std::string> notes;
  for (const Index item : values.children(entry.get(key))) {
    if (!values.isObject(item)) {
      texts.push_back(entry.text(item));
      continue;
    }
    if (values.has(item, "special")) {
      notes.push_back(entry.member(item, "special"));
      continue;
    }
    std::vector<std::string> inner;
    for (const Index part : values.children(values.member(item, key))) {
      inner.push_back(values.isObject(part) ? entry.member(part, key) : entry.text(part));
    }
    std::string note = entry.member(item, "preNote");
    for (const std::string& part : {sentenceList(inner), entry.member(item, "note")}) {
      if (part.empty()) continue;
      if (!note.empty()) note += ' ';
      note += part;
    }
    notes.push_back(note);
  }
  std::string text;
  for (const std::string& part : texts) {
    if (part.empty()) continue;
    if (!text.empty()) text += ", ";
    text += part;
  }
  for (const std::string& note : notes) {
    if (note.empty()) continue;
    if (!text.empty()) text += "; ";
    text += note;
  }
  return text;
}

// "Sleight of Hand": each word a capital but "of".
std::string skillName(std::string_view key) {
  std::string name;
  forEachPart(
      key,
      [&](std::string_view word) {
        if (!name.empty()) name += ' ';
        name += word == "of" ? std::string(word) : capitalized(word);
      },
      " ");
  return name;
}

void readLabelled(const Entry& entry, std::string_view key, bool skills, Statblock& block) {
  const JsonValues& values = entry.values();
  for (const Index item : values.children(entry.get(key))) {
    if (!values.isScalar(item)) continue;
    const std::string_view label = values.key(item);
    addItem(block, skills ? StatKey::SKILLSAVES : StatKey::SAVES,
            skills ? skillName(label) : std::string(label), withSign(entry.text(item)));
  }
}

std::string sensesText(const Entry& entry) {
  std::string text = entry.listText(entry.get("senses"));
  const std::string passive = entry.text("passive");
  if (!passive.empty()) text += (text.empty() ? "" : ", ") + ("passive Perception " + passive);
  return text;
}

// An entry's lines: texts a line each, named entries and list items "Name. text".
void entryLines(const Entry& entry, Index entries, std::string& lines) {
  const JsonValues& values = entry.values();
  const auto add = [&](std::string_view name, std::string line) {
    if (!name.empty()) {
      const std::string_view stop = name.ends_with('.') ? "" : ".";
      line = std::string(name) + std::string(stop) + (line.empty() ? "" : " ") + line;
    }
    if (line.empty()) return;
    if (!lines.empty()) lines += '\n';
    lines += line;
  };
  const auto each = [&](Index list) {
    return values.isArray(list) ? values.children(list) : std::vector<Index>{list};
  };
  for (const Index item : each(entries)) {
    if (values.isScalar(item)) {
      add({}, descriptionText(entry.raw(item)));
      continue;
    }
    if (!values.isObject(item)) continue;
    const std::string type = entry.member(item, "type");
    if (type == "table") continue;
    const std::string name = entry.member(item, "name");
    std::string inner;
    entryLines(entry, values.member(item, "entries"), inner);
    entryLines(entry, values.member(item, "entry"), inner);
    entryLines(entry, values.member(item, "items"), inner);
    if (type == "list") {
      add({}, inner);
    } else {
      add(name, inner);
    }
  }
}

constexpr std::array<std::pair<std::string_view, StatKey>, 6> SECTIONS{{
    {"trait", StatKey::TRAITS},
    {"action", StatKey::ACTIONS},
    {"bonus", StatKey::BONUS_ACTIONS},
    {"reaction", StatKey::REACTIONS},
    {"legendary", StatKey::LEGENDARY_ACTIONS},
    {"mythic", StatKey::MYTHIC_ACTIONS},
}};

StatKey spellcastingSection(std::string_view displayAs) {
  for (const auto& [key, section] : SECTIONS) {
    if (displayAs == key) return section;
  }
  return StatKey::TRAITS;
}

void readSections(const Entry& entry, Statblock& block) {
  const JsonValues& values = entry.values();
  for (const auto& [key, section] : SECTIONS) {
    for (const Index item : values.children(entry.get(key))) {
      std::string lines;
      entryLines(entry, values.member(item, "entries"), lines);
      addItem(block, section, entry.member(item, "name"), lines);
    }
    // Spellcasting goes where it is shown, after the section's own items.
    for (const Index item : values.children(entry.get("spellcasting"))) {
      if (spellcastingSection(entry.member(item, "displayAs")) != section) continue;
      std::string lines;
      entryLines(entry, values.member(item, "headerEntries"), lines);
      addItem(block, section, entry.member(item, "name"), lines);
    }
  }
}

Statblock entryBlock(const Entry& entry) {
  const JsonValues& values = entry.values();
  Statblock block;
  setText(block, StatKey::NAME, entry.name());
  setText(block, StatKey::SIZE, sizeText(entry));
  readType(entry, block);
  setText(block, StatKey::ALIGNMENT, alignmentText(entry, entry.get("alignment")));
  setText(block, StatKey::AC, armorText(entry));
  const Index hp = entry.get("hp");
  if (values.has(hp, "special")) {
    setText(block, StatKey::HP, entry.member(hp, "special"));
  } else {
    setText(block, StatKey::HP, entry.member(hp, "average"));
    setText(block, StatKey::HIT_DICE, entry.member(hp, "formula"));
  }
  setText(block, StatKey::SPEED, speedText(entry));
  std::vector<std::string> scores;
  for (const std::string_view ability : {"str", "dex", "con", "int", "wis", "cha"}) {
    scores.push_back(entry.text(ability));
  }
  setScores(block, StatKey::STATS, std::move(scores));
  readLabelled(entry, "save", false, block);
  readLabelled(entry, "skill", true, block);
  setText(block, StatKey::DAMAGE_VULNERABILITIES, defenseText(entry, "vulnerable"));
  setText(block, StatKey::DAMAGE_RESISTANCES, defenseText(entry, "resist"));
  setText(block, StatKey::DAMAGE_IMMUNITIES, defenseText(entry, "immune"));
  setText(block, StatKey::CONDITION_IMMUNITIES, defenseText(entry, "conditionImmune"));
  setText(block, StatKey::SENSES, sensesText(entry));
  setText(block, StatKey::LANGUAGES, entry.listText(entry.get("languages")));
  const Index rating = entry.get("cr");
  setText(block, StatKey::CR,
          ratingText(values.isObject(rating) ? entry.member(rating, "cr") : entry.text(rating)));
  readSections(entry, block);
  return block;
}

std::string bookKey(const JsonValues& values, Index object) {
  return lowerCased(memberText(values, object, "name")) + "|" +
         lowerCased(memberText(values, object, "source"));
}

// A copy's edits when they are text replacements over every text alone.
std::optional<std::vector<Replacement>> replacementsOnly(const JsonValues& values, Index copy) {
  std::vector<Replacement> edits;
  for (const Index part : values.children(copy)) {
    const std::string_view key = values.key(part);
    if (key == "name" || key == "source" || key == "_preserve") continue;
    if (key != "_mod") return std::nullopt;
    for (const Index mod : values.children(part)) {
      if (values.key(mod) != "*") return std::nullopt;
      const std::vector<Index> list =
          values.isArray(mod) ? values.children(mod) : std::vector<Index>{mod};
      for (const Index edit : list) {
        if (memberText(values, edit, "mode") != "replaceTxt") return std::nullopt;
        const std::string flags(values.text(values.member(edit, "flags")));
        edits.push_back({std::string(values.text(values.member(edit, "replace"))),
                         std::string(values.text(values.member(edit, "with"))),
                         flags.find('i') != std::string::npos});
      }
    }
  }
  return edits;
}

}  // namespace

FivetoolsBook::FivetoolsBook(const JsonValues& values, std::span<const Index> entries,
                             std::size_t budget)
    : values_(values), budget_(budget) {
  for (const Index entry : entries) {
    if (!values.has(entry, "_copy")) byName_.emplace(bookKey(values, entry), entry);
  }
}

std::optional<Statblock> FivetoolsBook::block(Index entry) {
  const Index copy = values_.member(entry, "_copy");
  if (!values_.isObject(copy)) {
    return entryBlock(Entry(values_, entry, JsonValue::NO_VALUE, {}, nullptr));
  }
  const auto named = byName_.find(bookKey(values_, copy));
  if (named == byName_.end()) return std::nullopt;
  std::optional<std::vector<Replacement>> edits = replacementsOnly(values_, copy);
  if (!edits) return std::nullopt;
  const Entry copied(values_, entry, named->second, std::move(*edits), &budget_);
  Statblock made = entryBlock(copied);
  if (copied.overBudget()) return std::nullopt;
  return made;
}

}  // namespace veldarin
