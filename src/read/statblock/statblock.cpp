#include "read/statblock/statblock.h"

#include <yaml.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "monster/ascii.h"
#include "read/block_text.h"
#include "read/markup/inline_text.h"

namespace veldarin {

namespace {

// How a key's value is read: as text, as six scores, as labelled items, or as a section of
// named entries.
enum class Role { TEXT, SIX, ITEMS, SECTION };

struct KeyInfo {
  std::string_view name;
  StatKey key;
  Role role;
};

constexpr KeyInfo KEYS[] = {
    {"name", StatKey::NAME, Role::TEXT},
    {"size", StatKey::SIZE, Role::TEXT},
    {"type", StatKey::TYPE, Role::TEXT},
    {"subtype", StatKey::SUBTYPE, Role::TEXT},
    {"alignment", StatKey::ALIGNMENT, Role::TEXT},
    {"ac", StatKey::AC, Role::TEXT},
    {"ac_class", StatKey::AC_CLASS, Role::TEXT},
    {"hp", StatKey::HP, Role::TEXT},
    {"hit_dice", StatKey::HIT_DICE, Role::TEXT},
    {"speed", StatKey::SPEED, Role::TEXT},
    {"stats", StatKey::STATS, Role::SIX},
    {"saves", StatKey::SAVES, Role::ITEMS},
    {"skillsaves", StatKey::SKILLSAVES, Role::ITEMS},
    {"damage_vulnerabilities", StatKey::DAMAGE_VULNERABILITIES, Role::TEXT},
    {"damage_resistances", StatKey::DAMAGE_RESISTANCES, Role::TEXT},
    {"damage_immunities", StatKey::DAMAGE_IMMUNITIES, Role::TEXT},
    {"condition_immunities", StatKey::CONDITION_IMMUNITIES, Role::TEXT},
    {"senses", StatKey::SENSES, Role::TEXT},
    {"languages", StatKey::LANGUAGES, Role::TEXT},
    {"cr", StatKey::CR, Role::TEXT},
    {"traits", StatKey::TRAITS, Role::SECTION},
    {"actions", StatKey::ACTIONS, Role::SECTION},
    {"bonus_actions", StatKey::BONUS_ACTIONS, Role::SECTION},
    {"reactions", StatKey::REACTIONS, Role::SECTION},
    {"legendary_actions", StatKey::LEGENDARY_ACTIONS, Role::SECTION},
    {"lair_actions", StatKey::LAIR_ACTIONS, Role::SECTION},
    {"mythic_actions", StatKey::MYTHIC_ACTIONS, Role::SECTION},
    {"monster_cr", StatKey::MONSTER_CR, Role::TEXT},
    {"monster_xp", StatKey::MONSTER_XP, Role::TEXT},
    {"ini", StatKey::INI, Role::TEXT},
    {"perception", StatKey::PERCEPTION, Role::TEXT},
    {"aura", StatKey::AURA, Role::TEXT},
    {"hd", StatKey::HD, Role::TEXT},
    {"dr", StatKey::DR, Role::TEXT},
    {"immune", StatKey::IMMUNE, Role::TEXT},
    {"resist", StatKey::RESIST, Role::TEXT},
    {"sr", StatKey::SR, Role::TEXT},
    {"defensive_abilities", StatKey::DEFENSIVE_ABILITIES, Role::TEXT},
    {"weak", StatKey::WEAK, Role::TEXT},
    {"melee", StatKey::MELEE, Role::TEXT},
    {"ranged", StatKey::RANGED, Role::TEXT},
    {"space", StatKey::SPACE, Role::TEXT},
    {"reach", StatKey::REACH, Role::TEXT},
    {"special_attacks", StatKey::SPECIAL_ATTACKS, Role::TEXT},
    {"pf1e_stats", StatKey::PF1E_STATS, Role::SIX},
    {"bab", StatKey::BAB, Role::TEXT},
    {"cmb", StatKey::CMB, Role::TEXT},
    {"cmd", StatKey::CMD, Role::TEXT},
    {"feats", StatKey::FEATS, Role::TEXT},
    {"skills", StatKey::SKILLS, Role::TEXT},
    {"special_qualities", StatKey::SPECIAL_QUALITIES, Role::TEXT},
    {"ecology", StatKey::ECOLOGY, Role::SECTION},
    {"statblock", StatKey::STATBLOCK, Role::TEXT},
};

// A key as compared: outer spaces off, lower case, a space read as "_".
std::string normalKey(std::string_view key) {
  std::string normal(trimmed(key));
  for (char& c : normal) c = c == ' ' ? '_' : toLowerAscii(c);
  return normal;
}

const KeyInfo* keyInfo(std::string_view key) {
  const std::string normal = normalKey(key);
  for (const KeyInfo& info : KEYS) {
    if (info.name == normal) return &info;
  }
  return nullptr;
}

bool absentText(std::string_view raw) {
  const std::string_view text = withoutTrailing(withoutLeading(raw, " \t"), " \t");
  return text.empty() || text == "~" || text == "-" || text == "None" || text == "null";
}

// A scalar's text: its lines joined with one space, read by the inline rules. Empty when absent.
std::string valueText(std::string_view raw) {
  if (absentText(raw)) return {};
  std::string joined(raw);
  std::replace_if(
      joined.begin(), joined.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return inlineLine(joined);
}

}  // namespace

// Builds a statblock from the parser's events. Collections below an item are not read.
class StatblockBuilder {
 public:
  explicit StatblockBuilder(Statblock& block) : block_(block) {}
  void scalar(std::string_view raw, bool alias);
  void open(bool map);
  void close();
  std::size_t depth() const { return frames_.size(); }

 private:
  struct Frame {
    bool map = false;
    bool ignored = false;
    bool wantKey = true;  // a map's next node is a key
    bool keyUsable = false;
    std::string key;
    std::size_t count = 0;  // nodes in a list
    // A value's collection: whether a list holds collections, and where a map's keys went.
    bool holdsCollections = false;
    std::unordered_map<std::string, std::size_t> itemAt;
    // An item's collection: its name and desc, or its first two scalars, or its entries.
    std::string first;
    std::string second;
    std::vector<StatItem> entries;
  };

  // Takes the key place of the innermost map; true when the node is that key.
  bool takesKey(bool usable, std::string_view raw);
  void topValue(std::string_view raw, bool alias);
  void valueItem(Frame& parent, std::string_view raw, bool alias);
  void itemPart(Frame& parent, std::string_view raw, bool alias);
  void closeValue(Frame& frame);
  void closeItem(Frame& frame);
  void putItem(Frame& parent, StatItem item);

  Statblock& block_;
  std::vector<Frame> frames_;
  StatValue* value_ = nullptr;  // the top key's value being read
  Role role_ = Role::TEXT;
};

bool StatblockBuilder::takesKey(bool usable, std::string_view raw) {
  if (frames_.empty()) return false;
  Frame& parent = frames_.back();
  if (!parent.map) return false;
  if (parent.wantKey) {
    parent.wantKey = false;
    parent.keyUsable = usable;
    parent.key = raw;
    return true;
  }
  parent.wantKey = true;
  return false;
}

void StatblockBuilder::scalar(std::string_view raw, bool alias) {
  if (frames_.empty() || takesKey(!alias, alias ? std::string_view() : raw)) return;
  Frame& parent = frames_.back();
  ++parent.count;
  if (parent.ignored || (parent.map && !parent.keyUsable)) return;
  switch (frames_.size()) {
    case 1:
      topValue(raw, alias);
      break;
    case 2:
      valueItem(parent, raw, alias);
      break;
    case 3:
      itemPart(parent, raw, alias);
      break;
    default:
      break;
  }
}

void StatblockBuilder::topValue(std::string_view raw, bool alias) {
  const KeyInfo* info = keyInfo(frames_.back().key);
  if (info == nullptr) return;
  StatValue& value = block_[info->key];
  value = {};
  if (alias) return;
  value.text = valueText(raw);
  value.present = !absentText(raw);
  value.isText = !value.text.empty();
}

void StatblockBuilder::valueItem(Frame& parent, std::string_view raw, bool alias) {
  const std::string text = alias ? std::string() : valueText(raw);
  if (parent.map) {
    // A mapping of labelled values (saves, skills); in a section's place a scalar is no item.
    if (role_ == Role::ITEMS) {
      putItem(parent, {parent.key, text, !text.empty()});
    } else if (role_ == Role::SECTION) {
      putItem(parent, {{}, {}, false});
    }
    return;
  }
  if (role_ == Role::SIX) {
    if (value_->firstSix.size() < 6) value_->firstSix.push_back(text);
  } else if (!text.empty() && role_ != Role::SECTION) {
    if (!value_->text.empty()) value_->text += ", ";
    value_->text += text;
  }
}

void StatblockBuilder::itemPart(Frame& parent, std::string_view raw, bool alias) {
  const std::string text = alias ? std::string() : valueText(raw);
  if (!parent.map) {
    if (parent.count == 1) parent.first = text;
    if (parent.count == 2) parent.second = text;
    return;
  }
  const std::string key = normalKey(parent.key);
  if (key == "name") {
    parent.first = text;
  } else if (key == "desc") {
    parent.second = text;
  }
  if (!text.empty()) parent.entries.push_back({parent.key, text});
}

void StatblockBuilder::open(bool map) {
  if (frames_.empty()) {
    Frame root;
    root.map = map;
    root.ignored = !map;
    frames_.push_back(std::move(root));
    return;
  }
  const bool key = takesKey(false, {});
  Frame& parent = frames_.back();
  if (!key) ++parent.count;
  Frame frame;
  frame.map = map;
  frame.ignored = key || parent.ignored || (parent.map && !parent.keyUsable);
  if (!frame.ignored) {
    switch (frames_.size()) {
      case 1:
        if (const KeyInfo* info = keyInfo(parent.key)) {
          value_ = &block_[info->key];
          *value_ = {};
          role_ = info->role;
        } else {
          frame.ignored = true;
        }
        break;
      case 2:
        // An item: a list or a map inside a value.
        if (!parent.map) {
          parent.holdsCollections = true;
          if (role_ == Role::SIX && value_->firstSix.size() < 6) value_->firstSix.emplace_back();
        }
        break;
      default:
        // Inside an item: one of its parts, without text.
        frame.ignored = true;
        break;
    }
  }
  frames_.push_back(std::move(frame));
}

void StatblockBuilder::close() {
  if (frames_.empty()) return;
  Frame frame = std::move(frames_.back());
  frames_.pop_back();
  if (frame.ignored) return;
  if (frames_.size() == 1) closeValue(frame);
  if (frames_.size() == 2) closeItem(frame);
}

void StatblockBuilder::closeValue(Frame& frame) {
  StatValue& value = *value_;
  value.present = frame.count > 0;
  value.isList = !frame.map;
  value.isText = !frame.map && !frame.holdsCollections && !value.text.empty();
  if (!value.isText) value.text.clear();
  std::erase_if(value.items, [](const StatItem& item) { return !item.valid; });
}

void StatblockBuilder::closeItem(Frame& frame) {
  Frame& parent = frames_.back();
  if (role_ == Role::ITEMS) {
    // One-key mappings in a list: their entries are the items.
    if (frame.map && !parent.map) {
      for (StatItem& entry : frame.entries) value_->items.push_back(std::move(entry));
    }
    return;
  }
  if (role_ != Role::SECTION) return;
  const bool item = frame.map ? !frame.first.empty() || !frame.second.empty() : frame.count == 2;
  StatItem made{std::move(frame.first), std::move(frame.second), item};
  if (parent.map) {
    putItem(parent, std::move(made));
  } else if (item) {
    value_->items.push_back(std::move(made));
  }
}

// An item under a map's key: a later duplicate takes the earlier one's place.
void StatblockBuilder::putItem(Frame& parent, StatItem item) {
  const auto [at, added] = parent.itemAt.try_emplace(normalKey(parent.key), value_->items.size());
  if (added) {
    value_->items.push_back(std::move(item));
  } else {
    value_->items[at->second] = std::move(item);
  }
}

StatblockEvents::StatblockEvents(Statblock& block)
    : builder_(std::make_unique<StatblockBuilder>(block)) {}
StatblockEvents::~StatblockEvents() = default;
void StatblockEvents::scalar(std::string_view raw, bool alias) {
  builder_->scalar(raw, alias);
}
void StatblockEvents::open(bool map) {
  builder_->open(map);
}
void StatblockEvents::close() {
  builder_->close();
}
std::size_t StatblockEvents::depth() const {
  return builder_->depth();
}

namespace {

constexpr std::size_t DEEPEST = 64;

// The line (from 0) that holds a byte of the text.
std::size_t lineOfOffset(std::string_view text, std::size_t offset) {
  offset = std::min(offset, text.size());
  return static_cast<std::size_t>(std::count(text.begin(), text.begin() + offset, '\n'));
}

// The parser and its event, released however the reading ends.
class YamlEvents {
 public:
  explicit YamlEvents(std::string_view yaml) {
    yaml_parser_initialize(&parser_);
    yaml_parser_set_input_string(&parser_, reinterpret_cast<const unsigned char*>(yaml.data()),
                                 yaml.size());
  }
  ~YamlEvents() {
    if (held_) yaml_event_delete(&event_);
    yaml_parser_delete(&parser_);
  }
  YamlEvents(const YamlEvents&) = delete;
  YamlEvents& operator=(const YamlEvents&) = delete;

  const yaml_event_t* next() {
    if (held_) yaml_event_delete(&event_);
    held_ = yaml_parser_parse(&parser_, &event_) != 0;
    return held_ ? &event_ : nullptr;
  }
  const yaml_parser_t& parser() const { return parser_; }

 private:
  yaml_parser_t parser_;
  yaml_event_t event_;
  bool held_ = false;
};

}  // namespace

bool readStatblock(std::string_view yaml, Statblock& block, StatblockProblem& problem) {
  block = {};
  StatblockBuilder builder(block);
  YamlEvents events(yaml);
  for (;;) {
    const yaml_event_t* event = events.next();
    if (event == nullptr) {
      const yaml_parser_t& parser = events.parser();
      problem.text = parser.problem != nullptr ? parser.problem : "unknown problem";
      problem.line = parser.error == YAML_READER_ERROR ? lineOfOffset(yaml, parser.problem_offset)
                                                       : parser.problem_mark.line;
      return false;
    }
    switch (event->type) {
      case YAML_SCALAR_EVENT:
        builder.scalar(
            {reinterpret_cast<const char*>(event->data.scalar.value), event->data.scalar.length},
            false);
        break;
      case YAML_ALIAS_EVENT:
        builder.scalar({}, true);
        break;
      case YAML_SEQUENCE_START_EVENT:
      case YAML_MAPPING_START_EVENT:
        if (builder.depth() == DEEPEST) {
          problem.text = "nesting deeper than 64 levels";
          problem.line = event->start_mark.line;
          return false;
        }
        builder.open(event->type == YAML_MAPPING_START_EVENT);
        break;
      case YAML_SEQUENCE_END_EVENT:
      case YAML_MAPPING_END_EVENT:
        builder.close();
        break;
      case YAML_DOCUMENT_END_EVENT:
      case YAML_STREAM_END_EVENT:
        return true;
      default:
        break;
    }
  }
}

}  // namespace veldarin
