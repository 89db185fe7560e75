#include "read/json/json_monsters.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "read/json/json_text.h"
#include "read/json/layouts.h"
#include "read/statblock/statblock.h"
#include "read/statblock/statblock_lines.h"

namespace veldarin {

namespace {

using Index = JsonValues::Index;
using Each = std::function<void(const std::string& lines, bool pathfinder)>;

enum class Layout { NONE, FIVETOOLS, IMPROVED_INITIATIVE, PSRD, SRD_API, FOUNDRY, PLUGIN };

Layout layoutOf(const JsonValues& values, Index object) {
  if (!values.isObject(object)) return Layout::NONE;
  const auto has = [&](std::string_view key) { return values.has(object, key); };
  const auto isObject = [&](std::string_view key) {
    return values.isObject(values.member(object, key));
  };
  const auto text = [&](std::string_view key) { return memberText(values, object, key); };
  if (has("name") && (has("_copy") || (isObject("hp") && (has("str") || has("ac"))))) {
    return Layout::FIVETOOLS;
  }
  if (has("Name") && isObject("HP")) return Layout::IMPROVED_INITIATIVE;
  if (text("type") == "creature" && values.isText(values.member(object, "hp")) &&
      has("creature_type")) {
    return Layout::PSRD;
  }
  if ((has("index") && has("hit_points")) || (has("hit_points") && has("strength"))) {
    return Layout::SRD_API;
  }
  if (isObject("system") && values.isArray(values.member(object, "items"))) {
    return text("type") == "npc" ? Layout::FOUNDRY : Layout::NONE;
  }
  if (has("stats") || has("ac") || has("hp")) return Layout::PLUGIN;
  return Layout::NONE;
}

constexpr std::string_view LINK_MARK = "<STATBLOCK-WIKI-LINK>";

std::string withoutLinkMarks(std::string_view text) {
  std::string made;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t mark = text.find(LINK_MARK, at);
    made.append(text.substr(at, mark - at));
    if (mark == std::string_view::npos) break;
    at = mark + LINK_MARK.size();
  }
  return made;
}

// Hands a plugin's monster to the statblock reader as the events of its YAML would be.
void sendEvents(const JsonValues& values, Index value, StatblockEvents& events) {
  const JsonKind kind = values.at(value).kind;
  if (kind == JsonKind::OBJECT || kind == JsonKind::ARRAY) {
    events.open(kind == JsonKind::OBJECT);
    for (const Index child : values.children(value)) {
      if (kind == JsonKind::OBJECT) events.scalar(withoutLinkMarks(values.key(child)));
      sendEvents(values, child, events);
    }
    events.close();
  } else if (kind == JsonKind::NUMBER) {
    events.scalar(wholeNumber(values.text(value)));
  } else {
    events.scalar(withoutLinkMarks(values.text(value)));
  }
}

class Monsters {
 public:
  Monsters(const JsonValues& values, const Each& each, std::size_t fileSize)
      : values_(values), each_(each), fileSize_(fileSize) {}

  void read() {
    const Index root = values_.root();
    if (values_.isObject(root)) {
      const Index book = values_.member(root, "monster");
      const Index saved = values_.member(root, "monsters");
      if (values_.isArray(book)) return readList(values_.children(book));
      if (values_.isArray(saved)) return readList(values_.children(saved));
      return readList({root});
    }
    if (values_.isArray(root)) readList(values_.children(root));
  }

 private:
  void readList(const std::vector<Index>& items) {
    std::vector<Index> entries;
    for (const Index item : items) {
      if (layoutOf(values_, item) == Layout::FIVETOOLS) entries.push_back(item);
    }
    // Copies may re-read 32 times the file: real bestiaries need a few.
    FivetoolsBook book(values_, entries, 32 * fileSize_ + (1 << 20));
    std::unordered_map<std::string, std::vector<Index>> parts;
    for (const Index item : items) {
      const std::string model = memberText(values_, item, "model");
      if (model == "api_v2.creaturetrait" || model == "api_v2.creatureaction") {
        parts[memberText(values_, values_.member(item, "fields"), "parent")].push_back(item);
      }
    }
    for (const Index item : items) {
      if (values_.isObject(item) && values_.has(item, "model")) {
        const std::string model = memberText(values_, item, "model");
        const Index fields = values_.member(item, "fields");
        if (model == "api.monster" && values_.isObject(fields)) {
          fifth(srdApiBlock(values_, fields));
        } else if (model == "api_v2.creature" && values_.isObject(fields)) {
          // Parts go to the first creature of their key: a key given twice cannot make the
          // reading quadratic.
          std::vector<Index> own;
          if (const auto found = parts.find(memberText(values_, item, "pk"));
              found != parts.end()) {
            own.swap(found->second);
          }
          fifth(open5eBlock(values_, item, own));
        }
        continue;
      }
      // A [name, monster] pair of the plugin's bestiary.
      const Index monster = values_.isArray(item) && values_.at(item).count == 2
                                ? values_.at(values_.at(item).firstChild).next
                                : item;
      readMonster(monster, book);
    }
  }

  void readMonster(Index monster, FivetoolsBook& book) {
    switch (layoutOf(values_, monster)) {
      case Layout::FIVETOOLS:
        if (const std::optional<Statblock> block = book.block(monster)) fifth(*block);
        break;
      case Layout::IMPROVED_INITIATIVE:
        fifth(improvedInitiativeBlock(values_, monster));
        break;
      case Layout::PSRD:
        each_(psrdLines(values_, monster), true);
        break;
      case Layout::SRD_API:
        fifth(srdApiBlock(values_, monster));
        break;
      case Layout::FOUNDRY:
        fifth(foundryBlock(values_, monster));
        break;
      case Layout::PLUGIN: {
        Statblock block;
        StatblockEvents events(block);
        sendEvents(values_, monster, events);
        each_(statblockLines(block), isPathfinderStatblock(block));
        break;
      }
      case Layout::NONE:
        break;
    }
  }

  void fifth(const Statblock& block) { each_(statblockLines(block), false); }

  const JsonValues& values_;
  const Each& each_;
  std::size_t fileSize_;
};

}  // namespace

bool readJsonMonsters(std::string&& text, const Each& each, JsonProblem& problem) {
  JsonValues values;
  const bool read = readJsonValues(text, values, problem);
  const std::size_t fileSize = text.size();
  std::string().swap(text);
  if (!read) return false;
  Monsters(values, each, fileSize).read();
  return true;
}

}  // namespace veldarin
