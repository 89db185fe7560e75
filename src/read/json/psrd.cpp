#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "read/block_text.h"
#include "read/json/json_text.h"
#include "read/json/layouts.h"

namespace veldarin {

namespace {

using Index = JsonValues::Index;
using Part = std::pair<std::string_view, std::string_view>;  // label, key

constexpr std::string_view DASH = "\xE2\x80\x94";  // —

}  // namespace

std::string psrdLines(const JsonValues& values, Index creature) {
  std::string lines;
  const auto text = [&](std::string_view key) { return memberText(values, creature, key); };
  const auto line = [&](const std::string& made) {
    if (!made.empty()) lines.append(made).append("\n");
  };
  // The parts present, each "Label value", joined with "; ".
  const auto parts = [&](std::initializer_list<Part> wanted) {
    std::string made;
    for (const auto& [label, key] : wanted) {
      const std::string value = text(key);
      if (value.empty()) continue;
      if (!made.empty()) made += "; ";
      made.append(label).append(label.empty() ? "" : " ").append(value);
    }
    return made;
  };
  const std::string rating = text("cr");
  line(text("name") + (rating.empty() ? "" : " CR " + rating));
  line(parts({{"XP", "xp"}}));
  std::string type;
  for (const std::string_view key : {"alignment", "size", "creature_type"}) {
    const std::string value = key == "creature_type" ? lowerCased(text(key)) : text(key);
    if (value.empty()) continue;
    if (!type.empty()) type += ' ';
    type += value;
  }
  const std::string subtype = text("creature_subtype");
  if (!subtype.empty()) type += " (" + subtype + ")";
  line(type);
  line(parts({{"Init", "init"}, {"Senses", "senses"}}));
  line(parts({{"Aura", "aura"}}));
  line(parts({{"AC", "ac"}}));
  line(parts({{"hp", "hp"}}));
  std::string saves;
  for (const auto& [label, key] :
       {Part{"Fort", "fortitude"}, Part{"Ref", "reflex"}, Part{"Will", "will"}}) {
    const std::string value = text(key);
    if (value.empty()) continue;
    if (!saves.empty()) saves += ", ";
    saves.append(label).append(" ").append(value);
  }
  line(saves);
  line(parts({{"Defensive Abilities", "defensive_abilities"},
              {"DR", "dr"},
              {"Immune", "immune"},
              {"Resist", "resist"},
              {"SR", "sr"}}));
  line(parts({{"Weaknesses", "weaknesses"}}));
  line(parts({{"Speed", "speed"}}));
  line(parts({{"Melee", "melee"}}));
  line(parts({{"Ranged", "ranged"}}));
  line(parts({{"Space", "space"}, {"Reach", "reach"}}));
  line(parts({{"Special Attacks", "special_attacks"}}));
  std::string scores;
  for (const auto& [label, key] :
       {Part{"Str", "strength"}, Part{"Dex", "dexterity"}, Part{"Con", "constitution"},
        Part{"Int", "intelligence"}, Part{"Wis", "wisdom"}, Part{"Cha", "charisma"}}) {
    std::string value = text(key);
    if (value.empty() || value == "-") value = DASH;
    if (!scores.empty()) scores += ", ";
    scores.append(label).append(" ").append(value);
  }
  line(scores);
  line(parts({{"Base Atk", "base_attack"}, {"CMB", "cmb"}, {"CMD", "cmd"}}));
  line(parts({{"Feats", "feats"}}));
  line(parts({{"Skills", "skills"}}));
  line(parts({{"Languages", "languages"}}));
  line(parts({{"SQ", "special_qualities"}}));
  line(parts({{"Environment", "environment"}}));
  line(parts({{"Organization", "organization"}}));
  line(parts({{"Treasure", "treasure"}}));
  return lines;
}

}  // namespace veldarin
