#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "monster/ascii.h"
#include "read/block_text.h"
#include "read/json/json_text.h"
#include "read/json/layouts.h"
#include "read/to_int.h"

namespace veldarin {

namespace {

using Index = JsonValues::Index;

constexpr auto SIZES = std::to_array<CodeLabel>({{"tiny", "Tiny"},
                                                 {"sm", "Small"},
                                                 {"med", "Medium"},
                                                 {"lg", "Large"},
                                                 {"huge", "Huge"},
                                                 {"grg", "Gargantuan"}});

constexpr auto SKILLS = std::to_array<CodeLabel>({{"acr", "Acrobatics"},
                                                  {"ani", "Animal Handling"},
                                                  {"arc", "Arcana"},
                                                  {"ath", "Athletics"},
                                                  {"dec", "Deception"},
                                                  {"his", "History"},
                                                  {"ins", "Insight"},
                                                  {"itm", "Intimidation"},
                                                  {"inv", "Investigation"},
                                                  {"med", "Medicine"},
                                                  {"nat", "Nature"},
                                                  {"prc", "Perception"},
                                                  {"prf", "Performance"},
                                                  {"per", "Persuasion"},
                                                  {"rel", "Religion"},
                                                  {"slt", "Sleight of Hand"},
                                                  {"ste", "Stealth"},
                                                  {"sur", "Survival"}});

constexpr auto LANGUAGES = std::to_array<CodeLabel>(
    {{"deep", "Deep Speech"}, {"cant", "Thieves' Cant"}, {"druidic", "Druidic"}});

constexpr auto SECTIONS = std::to_array<std::pair<std::string_view, StatKey>>({
    {"action", StatKey::ACTIONS},
    {"bonus", StatKey::BONUS_ACTIONS},
    {"reaction", StatKey::REACTIONS},
    {"legendary", StatKey::LEGENDARY_ACTIONS},
    {"lair", StatKey::LAIR_ACTIONS},
    {"mythic", StatKey::MYTHIC_ACTIONS},
});

constexpr std::string_view ABILITIES[] = {"str", "dex", "con", "int", "wis", "cha"};

// The path's value: members named one after another.
Index at(const JsonValues& values, Index from, std::initializer_list<std::string_view> path) {
  for (const std::string_view key : path) from = values.member(from, key);
  return from;
}

std::string textAt(const JsonValues& values, Index from,
                   std::initializer_list<std::string_view> path) {
  return plainText(values, at(values, from, path));
}

// What the actor's numbers are worked out from.
struct Actor {
  const JsonValues& values;
  Index system;
  int proficiency = 2;
  std::array<int, 6> modifiers{};

  int modifier(std::string_view ability) const {
    for (std::size_t i = 0; i < 6; ++i) {
      if (ABILITIES[i] == ability) return modifiers[i];
    }
    return 0;
  }
};

std::string armorText(const Actor& actor, Index items) {
  const JsonValues& values = actor.values;
  const Index armor = at(values, actor.system, {"attributes", "ac"});
  const std::string calc = memberText(values, armor, "calc");
  std::string flat = memberText(values, armor, "flat");
  if (calc == "flat" && !flat.empty()) return flat;
  if (calc == "natural" && !flat.empty()) return flat + " (natural armor)";
  int total = 10 + actor.modifier("dex");
  std::vector<std::string> names;
  for (const Index item : values.children(items)) {
    const Index system = values.member(item, "system");
    if (memberText(values, item, "type") != "equipment" ||
        memberText(values, system, "equipped") != "true") {
      continue;
    }
    const std::string kind = textAt(values, system, {"type", "value"});
    const int value = toInt(textAt(values, system, {"armor", "value"}));
    if (kind == "shield") {
      total += value;
    } else if (kind == "light" || kind == "medium" || kind == "heavy") {
      const std::string cap = textAt(values, system, {"armor", "dex"});
      const int most = !cap.empty() ? toInt(cap) : kind == "light" ? 99 : kind == "medium" ? 2 : 0;
      total = value + std::min(actor.modifier("dex"), most);
    } else {
      continue;
    }
    names.push_back(lowerCased(memberText(values, item, "name")));
  }
  std::string text = std::to_string(total);
  if (!names.empty()) text += " (" + joinedTexts(names) + ")";
  return text;
}

// A trait list: its values, then its custom text.
std::string traitText(const JsonValues& values, Index trait, bool languages) {
  std::vector<std::string> texts;
  for (const Index item : values.children(values.member(trait, "value"))) {
    const std::string code = plainText(values, item);
    const std::string_view named = languages ? labelOf(LANGUAGES, code) : std::string_view();
    texts.push_back(named.empty() ? (languages ? capitalized(code) : code) : std::string(named));
  }
  forEachPart(
      memberText(values, trait, "custom"),
      [&](std::string_view part) { texts.emplace_back(trimmed(part)); }, ";");
  if (languages) {
    const std::string telepathy = textAt(values, trait, {"communication", "telepathy", "value"});
    if (!telepathy.empty()) texts.push_back("telepathy " + telepathy + " ft.");
  }
  return joinedTexts(texts);
}

// The next place of a text in another, found again only once the reader has passed it, so that
// a text of many unclosed marks is still read in one pass.
class NextPlace {
 public:
  NextPlace(std::string_view text, std::string_view what) : text_(text), what_(what) {}
  std::size_t from(std::size_t at) {
    if (!known_ || (found_ != std::string_view::npos && found_ < at)) {
      found_ = text_.find(what_, at);
      known_ = true;
    }
    return found_;
  }

 private:
  std::string_view text_;
  std::string_view what_;
  std::size_t found_ = 0;
  bool known_ = false;
};

// Takes off what a tabletop's description holds for its own use: inline rolls (a label after one
// stays), lookups of the name, references and links as their text. A mark never closed is text.
std::string descriptionOf(std::string_view html, std::string_view name) {
  constexpr std::size_t NONE = std::string_view::npos;
  NextPlace rollEnd(html, "]]");
  NextPlace squareEnd(html, "]");
  NextPlace braceEnd(html, "}");
  std::string text;
  std::size_t at = 0;
  // A "{label}" after a mark: its label, and where the reading goes on.
  const auto label = [&](std::size_t after) {
    const std::size_t end = after < html.size() && html[after] == '{' ? braceEnd.from(after) : NONE;
    if (end != NONE) text += html.substr(after + 1, end - after - 1);
    return end == NONE ? NONE : end + 1;
  };
  while (at < html.size()) {
    const std::string_view rest = html.substr(at);
    const std::size_t close = rest.starts_with("[[") ? rollEnd.from(at + 2) : NONE;
    if (close != NONE) {
      if (html.substr(at + 2, close - at - 2).starts_with("lookup @name")) text += lowerCased(name);
      at = close + 2;
      if (const std::size_t next = label(at); next != NONE) at = next;
      continue;
    }
    // "&Reference[Prone apply=false]" (written "&amp;Reference[" in the HTML), "@UUID[...]{Fire}".
    const std::size_t marker = rest.starts_with("&amp;Reference[") ? at + 4 : at;
    if (html[at] == '&' || html[at] == '@') {
      std::size_t open = marker + 1;
      while (open < html.size() && isLetterChar(html[open])) ++open;
      const std::size_t end = open > marker + 1 && open < html.size() && html[open] == '['
                                  ? squareEnd.from(open)
                                  : NONE;
      if (end != NONE) {
        at = end + 1;
        if (const std::size_t next = label(at); next != NONE) {
          at = next;
        } else {
          const std::string_view inside = html.substr(open + 1, end - open - 1);
          text += inside.substr(0, inside.find(' '));
        }
        continue;
      }
    }
    text += html[at++];
  }
  // Paragraphs are lines of the block.
  std::string lines;
  forEachPart(
      text, [&](std::string_view part) { lines.append(part).append("\n"); }, "</p>");
  return descriptionText(lines);
}

// A name's limits: "(3/Day)", "(Recharge 5–6)".
std::string usesText(const JsonValues& values, Index uses) {
  const std::string most = memberText(values, uses, "max");
  for (const Index recovery : values.children(values.member(uses, "recovery"))) {
    const std::string period = memberText(values, recovery, "period");
    if (period == "day" && !most.empty()) return " (" + most + "/Day)";
    if (period == "recharge") {
      const std::string from = memberText(values, recovery, "formula");
      return " " + rechargeText(from);
    }
  }
  return {};
}

// "12 (2d6 + 5) bludgeoning damage" from a damage part.
std::string damageText(const JsonValues& values, Index part, int bonus) {
  const Index custom = values.member(part, "custom");
  const std::string type = plainText(values, values.first(values.member(part, "types")));
  const std::string suffix = type.empty() ? " damage" : " " + type + " damage";
  if (memberText(values, custom, "enabled") == "true") {
    return memberText(values, custom, "formula") + suffix;
  }
  const int number = toInt(memberText(values, part, "number"));
  const int faces = toInt(memberText(values, part, "denomination"));
  if (number <= 0 || faces <= 0) return {};
  bonus += toInt(memberText(values, part, "bonus"));
  const int average = number * (faces + 1) / 2 + bonus;
  std::string dice = std::to_string(number) + "d" + std::to_string(faces);
  if (bonus != 0) dice += (bonus > 0 ? " + " : " \xE2\x88\x92 ") + std::to_string(std::abs(bonus));
  return std::to_string(average) + " (" + dice + ")" + suffix;
}

// A weapon's attack as the block prints it, from its attack activity.
std::string attackText(const Actor& actor, Index system, Index activity) {
  const JsonValues& values = actor.values;
  const Index attack = values.member(activity, "attack");
  const bool ranged = textAt(values, attack, {"type", "value"}) == "ranged";
  const bool spell = textAt(values, attack, {"type", "classification"}) == "spell";
  bool finesse = false;
  for (const Index property : values.children(values.member(system, "properties"))) {
    finesse = finesse || plainText(values, property) == "fin";
  }
  std::string ability = memberText(values, attack, "ability");
  if (ability.empty()) {
    ability = ranged ? "dex" : "str";
    if (finesse && actor.modifier("dex") > actor.modifier("str")) ability = "dex";
  }
  const int modifier = actor.modifier(ability);
  const int magic = toInt(memberText(values, system, "magicalBonus"));
  const int toHit =
      modifier + actor.proficiency + magic + toInt(memberText(values, attack, "bonus"));
  std::string text = std::string(ranged ? "Ranged" : "Melee") + (spell ? " Spell" : " Weapon") +
                     " Attack: " + signedText(toHit) + " to hit, ";
  const Index range = values.member(system, "range");
  if (ranged) {
    const std::string longest = memberText(values, range, "long");
    text += "range " + memberText(values, range, "value") + (longest.empty() ? "" : "/" + longest) +
            " ft.";
  } else {
    std::string reach = memberText(values, range, "reach");
    if (reach.empty()) {
      bool far = false;
      for (const Index property : values.children(values.member(system, "properties"))) {
        far = far || plainText(values, property) == "rch";
      }
      reach = far ? "10" : "5";
    }
    text += "reach " + reach + " ft.";
  }
  text += ", one target.";
  std::string hit = damageText(values, at(values, system, {"damage", "base"}), modifier + magic);
  for (const Index part : values.children(at(values, activity, {"damage", "parts"}))) {
    const std::string more = damageText(values, part, 0);
    if (!more.empty()) hit += (hit.empty() ? "" : " plus ") + more;
  }
  if (!hit.empty()) text += " Hit: " + hit + ".";
  return text;
}

// The description after a weapon's roll sentences.
std::string afterRolls(std::string_view html) {
  std::size_t at = 0;
  for (;;) {
    const std::size_t start = html.find_first_not_of(" .", at);
    if (start == std::string_view::npos) return {};
    if (html.substr(start).starts_with("<p>")) {
      at = start + 3;
    } else if (html.substr(start).starts_with("</p>")) {
      at = start + 4;
    } else if (html.substr(start).starts_with("[[/attack") ||
               html.substr(start).starts_with("[[/damage")) {
      const std::size_t close = html.find("]]", start);
      if (close == std::string_view::npos) return std::string(html.substr(start));
      at = close + 2;
    } else {
      return std::string(html.substr(start));
    }
  }
}

void readItems(const Actor& actor, Index items, std::string_view name, Statblock& block) {
  const JsonValues& values = actor.values;
  for (const Index item : values.children(items)) {
    const std::string type = memberText(values, item, "type");
    if (type != "feat" && type != "weapon") continue;
    const std::string itemName = memberText(values, item, "name");
    if (itemName == "Legendary Actions") continue;
    const Index system = values.member(item, "system");
    const std::vector<Index> activities = values.children(values.member(system, "activities"));
    const std::string activation =
        activities.empty() ? std::string() : textAt(values, activities[0], {"activation", "type"});
    StatKey section = type == "weapon" ? StatKey::ACTIONS : StatKey::TRAITS;
    for (const auto& [code, key] : SECTIONS) {
      if (code == activation) section = key;
    }
    const std::string html(values.text(at(values, system, {"description", "value"})));
    std::string description;
    const auto attack = std::find_if(activities.begin(), activities.end(), [&](Index activity) {
      return memberText(values, activity, "type") == "attack";
    });
    if (type == "weapon" && attack != activities.end()) {
      description = attackText(actor, system, *attack);
      const std::string rest = descriptionOf(afterRolls(html), name);
      if (!rest.empty()) description += " " + rest;
    } else {
      description = descriptionOf(html, name);
    }
    std::string limits = usesText(values, values.member(system, "uses"));
    const std::string cost =
        activities.empty() ? std::string() : textAt(values, activities[0], {"activation", "value"});
    if (section == StatKey::LEGENDARY_ACTIONS && toInt(cost) > 1) {
      limits += " (Costs " + cost + " Actions)";
    }
    addItem(block, section, itemName + limits, description);
  }
}

}  // namespace

Statblock foundryBlock(const JsonValues& values, Index actorIndex) {
  Actor actor{values, values.member(actorIndex, "system")};
  const Index system = actor.system;
  const Index details = values.member(system, "details");
  const Index traits = values.member(system, "traits");
  const Index attributes = values.member(system, "attributes");
  const Index abilities = values.member(system, "abilities");
  const std::string rating = ratingText(memberText(values, details, "cr"));
  const int whole = rating.find('/') == std::string::npos ? toInt(rating) : 0;
  actor.proficiency = std::max(2, 2 + (whole - 1) / 4);
  std::vector<std::string> scores;
  for (std::size_t i = 0; i < 6; ++i) {
    scores.push_back(textAt(values, abilities, {ABILITIES[i], "value"}));
    actor.modifiers[i] = scores.back().empty() ? 0 : abilityModifier(toInt(scores.back()));
  }
  Statblock block;
  const std::string name = memberText(values, actorIndex, "name");
  setText(block, StatKey::NAME, name);
  setText(block, StatKey::SIZE, std::string(labelOf(SIZES, memberText(values, traits, "size"))));
  setText(block, StatKey::TYPE, textAt(values, details, {"type", "value"}));
  setText(block, StatKey::SUBTYPE, textAt(values, details, {"type", "subtype"}));
  setText(block, StatKey::ALIGNMENT, lowerCased(memberText(values, details, "alignment")));
  setText(block, StatKey::AC, armorText(actor, values.member(actorIndex, "items")));
  setText(block, StatKey::HP, textAt(values, attributes, {"hp", "max"}));
  setText(block, StatKey::HIT_DICE, textAt(values, attributes, {"hp", "formula"}));
  const Index movement = values.member(attributes, "movement");
  setText(block, StatKey::SPEED,
          speedText(
              [&](std::string_view mode) {
                const std::string speed = memberText(values, movement, mode);
                return speed == "0" ? std::string() : speed;
              },
              memberText(values, movement, "hover") == "true"));
  setScores(block, StatKey::STATS, scores);
  for (std::size_t i = 0; i < 6; ++i) {
    if (toInt(textAt(values, abilities, {ABILITIES[i], "proficient"})) <= 0) continue;
    addItem(block, StatKey::SAVES, std::string(ABILITIES[i]),
            signedText(actor.modifiers[i] + actor.proficiency));
  }
  int perception = actor.modifier("wis");
  for (const Index skill : values.children(values.member(system, "skills"))) {
    const std::string value = memberText(values, skill, "value");
    const double times = value.empty() ? 0 : std::strtod(value.c_str(), nullptr);
    if (times <= 0) continue;
    const int total = actor.modifier(memberText(values, skill, "ability")) +
                      static_cast<int>(times * actor.proficiency);
    if (values.key(skill) == "prc") perception = total;
    const std::string_view label = labelOf(SKILLS, values.key(skill));
    if (!label.empty()) addItem(block, StatKey::SKILLSAVES, std::string(label), signedText(total));
  }
  setText(block, StatKey::DAMAGE_VULNERABILITIES,
          traitText(values, values.member(traits, "dv"), false));
  setText(block, StatKey::DAMAGE_RESISTANCES,
          traitText(values, values.member(traits, "dr"), false));
  setText(block, StatKey::DAMAGE_IMMUNITIES, traitText(values, values.member(traits, "di"), false));
  setText(block, StatKey::CONDITION_IMMUNITIES,
          traitText(values, values.member(traits, "ci"), false));
  std::vector<std::string> senses;
  const Index sensesIndex = values.member(attributes, "senses");
  for (const std::string_view sense : {"blindsight", "darkvision", "tremorsense", "truesight"}) {
    const std::string range = memberText(values, sensesIndex, sense);
    if (!range.empty() && range != "0") senses.push_back(std::string(sense) + " " + range + " ft.");
  }
  senses.push_back(memberText(values, sensesIndex, "special"));
  senses.push_back("passive Perception " + std::to_string(10 + perception));
  setText(block, StatKey::SENSES, joinedTexts(senses));
  setText(block, StatKey::LANGUAGES, traitText(values, values.member(traits, "languages"), true));
  setText(block, StatKey::CR, rating);
  readItems(actor, values.member(actorIndex, "items"), name, block);
  return block;
}

}  // namespace veldarin
