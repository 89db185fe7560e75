#include "read/json/fivetools_tags.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace veldarin {

namespace {

constexpr std::size_t NONE = std::string_view::npos;
constexpr std::string_view DASH_SIX =
    "\xE2\x80\x93"
    "6)";  // "–6)"

// A closed tag: where it opens and closes, where its name ends and its first "|" marks.
struct Tag {
  std::size_t open = 0;
  std::size_t close = 0;
  std::size_t nameEnd = NONE;
  std::array<std::size_t, 3> bars{NONE, NONE, NONE};
};

// Finds every closed tag, ordered by where it opens.
std::vector<Tag> closedTags(std::string_view text) {
  std::vector<Tag> tags;
  std::vector<Tag> open;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '{' && i + 1 < text.size() && text[i + 1] == '@') {
      open.push_back({i, 0, NONE, {NONE, NONE, NONE}});
      ++i;
    } else if (open.empty()) {
      continue;
    } else if (c == '}') {
      Tag tag = open.back();
      open.pop_back();
      tag.close = i;
      if (tag.nameEnd == NONE) tag.nameEnd = i;
      tags.push_back(tag);
    } else if (c == ' ' && open.back().nameEnd == NONE) {
      open.back().nameEnd = i;
    } else if (c == '|') {
      Tag& tag = open.back();
      if (tag.nameEnd == NONE) tag.nameEnd = i;
      const auto free = std::find(tag.bars.begin(), tag.bars.end(), NONE);
      if (free != tag.bars.end()) *free = i;
    }
  }
  std::sort(tags.begin(), tags.end(), [](const Tag& a, const Tag& b) { return a.open < b.open; });
  return tags;
}

struct Label {
  std::string_view code;
  std::string_view text;
};

constexpr auto ATTACKS = std::to_array<Label>({
    {"mw", "Melee Weapon Attack:"},
    {"rw", "Ranged Weapon Attack:"},
    {"mw,rw", "Melee or Ranged Weapon Attack:"},
    {"ms", "Melee Spell Attack:"},
    {"rs", "Ranged Spell Attack:"},
    {"ms,rs", "Melee or Ranged Spell Attack:"},
    {"m", "Melee Attack Roll:"},
    {"r", "Ranged Attack Roll:"},
    {"m,r", "Melee or Ranged Attack Roll:"},
});

constexpr auto ABILITIES = std::to_array<Label>({
    {"str", "Strength"},
    {"dex", "Dexterity"},
    {"con", "Constitution"},
    {"int", "Intelligence"},
    {"wis", "Wisdom"},
    {"cha", "Charisma"},
});

constexpr auto FIXED = std::to_array<Label>({
    {"h", "Hit: "},
    {"m", "Miss: "},
    {"hom", "Hit or Miss: "},
    {"actSaveFail", "Failure:"},
    {"actSaveSuccess", "Success:"},
    {"actSaveSuccessOrFail", "Failure or Success:"},
    {"actTrigger", "Trigger:"},
    {"actResponse", "Response:"},
});

std::string_view labelOf(std::span<const Label> labels, std::string_view code) {
  for (const Label& label : labels) {
    if (label.code == code) return label.text;
  }
  return {};
}

// What a tag shows: text before, a stretch of the source (its tags undone in turn), text after.
struct Shown {
  std::string before;
  std::size_t from = 0;
  std::size_t to = 0;
  std::string_view after;
};

Shown shownBy(std::string_view text, const Tag& tag) {
  const std::string_view name = text.substr(tag.open + 2, tag.nameEnd - tag.open - 2);
  const std::size_t argsBegin = std::min(tag.nameEnd + 1, tag.close);
  const std::size_t firstEnd = tag.bars[0] != NONE ? tag.bars[0] : tag.close;
  const std::string_view first = text.substr(argsBegin, firstEnd - argsBegin);
  Shown shown{{}, argsBegin, firstEnd, {}};
  if (name == "atk" || name == "atkr") {
    return {std::string(labelOf(ATTACKS, first)), 0, 0, {}};
  }
  if (name == "actSave") {
    const std::string_view ability = labelOf(ABILITIES, first);
    return {ability.empty() ? std::string() : std::string(ability) + " Saving Throw:", 0, 0, {}};
  }
  if (const std::string_view fixed = labelOf(FIXED, name); !fixed.empty()) {
    return {std::string(fixed), 0, 0, {}};
  }
  if (name == "hit") {
    if (!first.starts_with('+') && !first.starts_with('-')) shown.before = "+";
  } else if (name == "dc") {
    shown.before = "DC ";
  } else if (name == "chance") {
    shown.after = " percent";
  } else if (name == "recharge") {
    if (first.empty()) return {"(Recharge 6)", 0, 0, {}};
    shown.before = "(Recharge ";
    shown.after = DASH_SIX;
  } else if (tag.bars[1] != NONE && tag.bars[1] + 1 < tag.close) {
    // The display text, when given.
    shown.from = tag.bars[1] + 1;
    shown.to = tag.bars[2] != NONE ? tag.bars[2] : tag.close;
  }
  return shown;
}

}  // namespace

std::string withoutToolTags(std::string_view text) {
  const std::vector<Tag> tags = closedTags(text);
  if (tags.empty()) return std::string(text);
  std::string made;
  made.reserve(text.size());
  // Each stretch being copied: where it ends, where to go on after it, and what to add then.
  struct Stretch {
    std::size_t end;
    std::size_t resume;
    std::string_view after;
  };
  std::vector<Stretch> stretches{{text.size(), text.size(), {}}};
  std::size_t next = 0;  // the first tag not yet passed
  std::size_t at = 0;
  while (!stretches.empty()) {
    const Stretch stretch = stretches.back();
    while (next < tags.size() && tags[next].open < at) ++next;
    const std::size_t tagAt = next < tags.size() ? tags[next].open : NONE;
    if (tagAt != NONE && tagAt < stretch.end) {
      made.append(text.substr(at, tagAt - at));
      const Tag& tag = tags[next++];
      const Shown shown = shownBy(text, tag);
      made += shown.before;
      stretches.push_back({shown.to, tag.close + 1, shown.after});
      at = shown.from;
      continue;
    }
    made.append(text.substr(at, stretch.end - at));
    made.append(stretch.after);
    at = stretch.resume;
    stretches.pop_back();
  }
  return made;
}

}  // namespace veldarin
