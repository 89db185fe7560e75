#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "read/block_text.h"
#include "read/json/json_text.h"
#include "read/json/layouts.h"

namespace veldarin {

namespace {

using Index = JsonValues::Index;

// A value of the record: Open5e's fixtures keep some as JSON texts, read here on demand.
struct Value {
  const JsonValues* values = nullptr;
  Index index = JsonValue::NO_VALUE;
};

class Record {
 public:
  Record(const JsonValues& values, Index record) : values_(values), record_(record) {}

  std::string text(std::string_view key) const { return memberText(values_, record_, key); }
  const JsonValues& values() const { return values_; }
  Index record() const { return record_; }

  // The first of the keys that holds a value, its JSON text read ("null" is absent).
  Value get(std::initializer_list<std::string_view> keys) {
    for (const std::string_view key : keys) {
      const Index index = values_.member(record_, key);
      if (!values_.has(record_, key)) continue;
      if (!values_.isText(index) || !key.ends_with("_json")) return {&values_, index};
      auto parsed = std::make_unique<JsonValues>();
      JsonProblem problem;
      if (!readJsonValues(values_.text(index), *parsed, problem) || parsed->empty()) continue;
      const JsonKind kind = parsed->at(parsed->root()).kind;
      if (kind != JsonKind::OBJECT && kind != JsonKind::ARRAY) continue;
      read_.push_back(std::move(parsed));
      return {read_.back().get(), read_.back()->root()};
    }
    return {};
  }

 private:
  const JsonValues& values_;
  Index record_;
  std::vector<std::unique_ptr<JsonValues>> read_;
};

// A text, or a list of texts or of objects named by "name", lower case as the SRD prints them.
std::string namesText(Value value, bool lower) {
  const JsonValues& values = *value.values;
  if (values.isScalar(value.index)) return plainText(values, value.index);
  std::vector<std::string> names;
  for (const Index item : values.children(value.index)) {
    std::string name =
        values.isObject(item) ? memberText(values, item, "name") : plainText(values, item);
    names.push_back(lower ? lowerCased(name) : name);
  }
  return joinedTexts(names);
}

std::string armorText(Record& record) {
  const Value armor = record.get({"armor_class"});
  if (armor.values == nullptr) return {};
  const JsonValues& values = *armor.values;
  if (values.isScalar(armor.index)) {
    const std::string detail = record.text("armor_desc");
    return plainText(values, armor.index) + (detail.empty() ? "" : " (" + detail + ")");
  }
  std::string text;
  for (const Index item : values.children(armor.index)) {
    std::string detail = memberText(values, item, "desc");
    const std::string type = memberText(values, item, "type");
    if (detail.empty() && values.has(item, "armor")) {
      detail = namesText({&values, values.member(item, "armor")}, true);
    }
    if (detail.empty() && values.has(item, "spell")) {
      detail = lowerCased(memberText(values, values.member(item, "spell"), "name"));
    }
    if (detail.empty() && values.has(item, "condition")) {
      detail = lowerCased(memberText(values, values.member(item, "condition"), "name"));
    }
    if (detail.empty() && type == "natural") detail = "natural armor";
    std::string part = memberText(values, item, "value");
    if (!detail.empty()) part += " (" + detail + ")";
    if (!text.empty()) text += ", ";
    text += part;
  }
  return text;
}

std::string speedText(Record& record) {
  const Value speed = record.get({"speed", "speed_json"});
  if (speed.values == nullptr) return {};
  const JsonValues& values = *speed.values;
  if (!values.isObject(speed.index)) return plainText(values, speed.index);
  return veldarin::speedText(
      [&](std::string_view mode) { return memberText(values, speed.index, mode); },
      memberText(values, speed.index, "hover") == "true");
}

constexpr std::string_view ABILITIES[] = {"strength",     "dexterity", "constitution",
                                          "intelligence", "wisdom",    "charisma"};

void readProficiencies(Record& record, Statblock& block) {
  const JsonValues& values = record.values();
  bool saves = false;
  bool skills = false;
  for (const Index item : values.children(values.member(record.record(), "proficiencies"))) {
    const std::string name = memberText(values, values.member(item, "proficiency"), "name");
    const std::string value = withSign(memberText(values, item, "value"));
    constexpr std::string_view SAVE = "Saving Throw: ";
    constexpr std::string_view SKILL = "Skill: ";
    if (name.starts_with(SAVE)) {
      addItem(block, StatKey::SAVES, name.substr(SAVE.size()), value);
      saves = true;
    } else if (name.starts_with(SKILL)) {
      addItem(block, StatKey::SKILLSAVES, name.substr(SKILL.size()), value);
      skills = true;
    }
  }
  if (!saves) {
    for (const std::string_view ability : ABILITIES) {
      const std::string value = record.text(std::string(ability) + "_save");
      if (!value.empty()) addItem(block, StatKey::SAVES, std::string(ability), withSign(value));
    }
  }
  if (skills) return;
  const Value list = record.get({"skills", "skills_json"});
  if (list.values == nullptr) return;
  for (const Index item : list.values->children(list.index)) {
    addItem(block, StatKey::SKILLSAVES, titled(list.values->key(item)),
            withSign(plainText(*list.values, item)));
  }
}

std::string sensesText(Record& record) {
  const Value senses = record.get({"senses"});
  if (senses.values == nullptr) return {};
  const JsonValues& values = *senses.values;
  if (!values.isObject(senses.index)) return plainText(values, senses.index);
  std::string text;
  std::string passive;
  for (const Index item : values.children(senses.index)) {
    std::string name(values.key(item));
    for (char& c : name) c = c == '_' ? ' ' : c;
    const std::string value = plainText(values, item);
    if (value.empty()) continue;
    if (name == "passive perception") {
      passive = "passive Perception " + value;
      continue;
    }
    if (!text.empty()) text += ", ";
    text += name + " " + value;
  }
  if (!passive.empty()) text += (text.empty() ? "" : ", ") + passive;
  return text;
}

// The API's usage after a name: "(3/Day)", "(Recharge 5–6)".
std::string usageText(const JsonValues& values, Index usage) {
  const std::string type = memberText(values, usage, "type");
  if (type == "per day") return "(" + memberText(values, usage, "times") + "/Day)";
  if (type == "recharge on roll") {
    return rechargeText(memberText(values, usage, "min_value"));
  }
  if (type == "recharge after rest") return "(Recharges after a Short or Long Rest)";
  return {};
}

void readSection(Record& record, std::initializer_list<std::string_view> keys, StatKey section,
                 Statblock& block) {
  const Value list = record.get(keys);
  if (list.values == nullptr) return;
  const JsonValues& values = *list.values;
  for (const Index item : values.children(list.index)) {
    std::string name = memberText(values, item, "name");
    const std::string usage = usageText(values, values.member(item, "usage"));
    if (!usage.empty() && name.find('(') == std::string::npos) name += " " + usage;
    addItem(block, section, name, descriptionText(values.text(values.member(item, "desc"))));
  }
}

}  // namespace

Statblock srdApiBlock(const JsonValues& values, Index recordIndex) {
  Record record(values, recordIndex);
  Statblock block;
  setText(block, StatKey::NAME, record.text("name"));
  setText(block, StatKey::SIZE, record.text("size"));
  setText(block, StatKey::TYPE, record.text("type"));
  setText(block, StatKey::SUBTYPE, record.text("subtype"));
  setText(block, StatKey::ALIGNMENT, record.text("alignment"));
  setText(block, StatKey::AC, armorText(record));
  setText(block, StatKey::HP, record.text("hit_points"));
  const std::string roll = record.text("hit_points_roll");
  setText(block, StatKey::HIT_DICE, roll.empty() ? record.text("hit_dice") : roll);
  setText(block, StatKey::SPEED, speedText(record));
  std::vector<std::string> scores;
  for (const std::string_view ability : ABILITIES) scores.push_back(record.text(ability));
  setScores(block, StatKey::STATS, std::move(scores));
  readProficiencies(record, block);
  const std::pair<std::string_view, StatKey> DEFENSES[] = {
      {"damage_vulnerabilities", StatKey::DAMAGE_VULNERABILITIES},
      {"damage_resistances", StatKey::DAMAGE_RESISTANCES},
      {"damage_immunities", StatKey::DAMAGE_IMMUNITIES},
      {"condition_immunities", StatKey::CONDITION_IMMUNITIES}};
  for (const auto& [key, statKey] : DEFENSES) {
    const Value value = record.get({key});
    if (value.values != nullptr) {
      setText(block, statKey, namesText(value, statKey == StatKey::CONDITION_IMMUNITIES));
    }
  }
  setText(block, StatKey::SENSES, sensesText(record));
  setText(block, StatKey::LANGUAGES, record.text("languages"));
  setText(block, StatKey::CR, ratingText(record.text("challenge_rating")));
  readSection(record, {"special_abilities", "special_abilities_json"}, StatKey::TRAITS, block);
  readSection(record, {"actions", "actions_json"}, StatKey::ACTIONS, block);
  readSection(record, {"bonus_actions", "bonus_actions_json"}, StatKey::BONUS_ACTIONS, block);
  readSection(record, {"reactions", "reactions_json"}, StatKey::REACTIONS, block);
  readSection(record, {"legendary_actions", "legendary_actions_json"}, StatKey::LEGENDARY_ACTIONS,
              block);
  return block;
}

}  // namespace veldarin
