#include "read/statblock/statblock_lines.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "monster/ascii.h"
#include "read/block_text.h"

namespace veldarin {

namespace {

constexpr std::string_view DASH = "\xE2\x80\x94";  // —

// The lines of a block, each added only when it has text.
class BlockLines {
 public:
  void line(std::string_view text) {
    if (!text.empty()) text_.append(text).append("\n");
  }
  // "Label value", when the value has text.
  void labelled(std::string_view label, std::string_view value) {
    if (!value.empty()) text_.append(label).append(" ").append(value).append("\n");
  }
  void text(std::string_view lines) { text_.append(lines); }
  std::string take() { return std::move(text_); }

 private:
  std::string text_;
};

// Parts joined with a separator, empty ones left out.
std::string joined(std::initializer_list<std::string> parts, std::string_view separator) {
  std::string text;
  for (const std::string& part : parts) {
    if (part.empty()) continue;
    if (!text.empty()) text += separator;
    text += part;
  }
  return text;
}

std::string labelledPart(std::string_view label, std::string_view value) {
  return value.empty() ? std::string() : std::string(label) + std::string(value);
}

// A number with its sign: "+" added when it begins with a digit.
std::string signedNumber(std::string_view value) {
  std::string text(value);
  if (!text.empty() && isDigitChar(text[0])) text.insert(0, "+");
  return text;
}

bool isNumber(std::string_view text) {
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
  return !text.empty() && std::all_of(text.begin(), text.end(), isDigitChar);
}

// Six scores as text, "—" for one that is missing or no number.
std::array<std::string, 6> sixScores(const StatValue& value) {
  std::array<std::string, 6> scores;
  for (std::size_t i = 0; i < scores.size(); ++i) {
    const bool number = i < value.firstSix.size() && isNumber(value.firstSix[i]);
    scores[i] = number ? value.firstSix[i] : std::string(DASH);
  }
  return scores;
}

// "Dex +5, Stealth +6": a text as it is, else the items with their labels.
std::string labelledItems(const StatValue& value, bool abilities) {
  if (value.isText) return value.text;
  std::string text;
  for (const StatItem& item : value.items) {
    std::string label(item.first.substr(0, abilities ? 3 : std::string::npos));
    if (label.empty() || item.second.empty()) continue;
    for (std::size_t i = 0; i < label.size(); ++i) {
      label[i] = i == 0 ? toUpperAscii(label[i]) : abilities ? toLowerAscii(label[i]) : label[i];
    }
    if (!text.empty()) text += ", ";
    text += label + " " + signedNumber(item.second);
  }
  return text;
}

// "value (detail)", or "(detail)" alone.
std::string withDetail(std::string_view value, std::string_view detail) {
  if (detail.empty()) return std::string(value);
  const std::string wrapped = "(" + std::string(detail) + ")";
  return value.empty() ? wrapped : std::string(value) + " " + wrapped;
}

// " (subtype)", without doubling the parentheses a value has.
std::string inParentheses(std::string_view text) {
  if (text.empty()) return {};
  if (text.starts_with('(')) return " " + std::string(text);
  return " (" + std::string(text) + ")";
}

struct Section {
  StatKey key;
  std::string_view heading;
};

constexpr auto FIFTH_SECTIONS = std::to_array<Section>({
    {StatKey::TRAITS, ""},
    {StatKey::ACTIONS, "Actions"},
    {StatKey::BONUS_ACTIONS, "Bonus Actions"},
    {StatKey::REACTIONS, "Reactions"},
    {StatKey::LEGENDARY_ACTIONS, "Legendary Actions"},
    {StatKey::LAIR_ACTIONS, "Lair Actions"},
    {StatKey::MYTHIC_ACTIONS, "Mythic Actions"},
});

std::string fifthEditionLines(const Statblock& block) {
  BlockLines lines;
  lines.line(block.text(StatKey::NAME));
  if (block.holds(StatKey::SIZE) || block.holds(StatKey::TYPE)) {
    std::string type = joined(
        {std::string(block.text(StatKey::SIZE)), std::string(block.text(StatKey::TYPE))}, " ");
    type += inParentheses(block.text(StatKey::SUBTYPE));
    lines.line(joined({type, std::string(block.text(StatKey::ALIGNMENT))}, ", "));
  }
  const std::string_view armorClass = block.text(StatKey::AC);
  const std::string_view armor = block.text(StatKey::AC_CLASS);
  lines.labelled("Armor Class", armorClass.empty()
                                    ? std::string(armor)
                                    : std::string(armorClass) + inParentheses(armor));
  lines.labelled("Hit Points", withDetail(block.text(StatKey::HP), block.text(StatKey::HIT_DICE)));
  lines.labelled("Speed", block.text(StatKey::SPEED));
  if (block[StatKey::STATS].isList) {
    const std::array<std::string, 6> scores = sixScores(block[StatKey::STATS]);
    lines.line("STR DEX CON INT WIS CHA");
    lines.line(scores[0] + " " + scores[1] + " " + scores[2] + " " + scores[3] + " " + scores[4] +
               " " + scores[5]);
  }
  lines.labelled("Saving Throws", labelledItems(block[StatKey::SAVES], true));
  lines.labelled("Skills", labelledItems(block[StatKey::SKILLSAVES], false));
  lines.labelled("Damage Vulnerabilities", block.text(StatKey::DAMAGE_VULNERABILITIES));
  lines.labelled("Damage Resistances", block.text(StatKey::DAMAGE_RESISTANCES));
  lines.labelled("Damage Immunities", block.text(StatKey::DAMAGE_IMMUNITIES));
  lines.labelled("Condition Immunities", block.text(StatKey::CONDITION_IMMUNITIES));
  lines.labelled("Senses", block.text(StatKey::SENSES));
  lines.labelled("Languages", block.text(StatKey::LANGUAGES));
  lines.labelled("Challenge", block.text(StatKey::CR));
  for (const Section& section : FIFTH_SECTIONS) {
    BlockLines entries;
    for (const StatItem& item : block[section.key].items) {
      if (item.first.empty()) {
        entries.line(item.second);
      } else {
        const std::string_view stop = item.first.ends_with('.') ? "" : ".";
        entries.line(joined({item.first + std::string(stop), item.second}, " "));
      }
    }
    const std::string text = entries.take();
    if (text.empty()) continue;
    lines.line(section.heading);
    lines.text(text);
  }
  return lines.take();
}

std::string pathfinderLines(const Statblock& block) {
  BlockLines lines;
  lines.line(joined({std::string(block.text(StatKey::NAME)),
                     labelledPart("CR ", block.text(StatKey::MONSTER_CR))},
                    " "));
  lines.labelled("XP", block.text(StatKey::MONSTER_XP));
  const std::string type =
      joined({std::string(block.text(StatKey::ALIGNMENT)), std::string(block.text(StatKey::SIZE)),
              std::string(block.text(StatKey::TYPE))},
             " ");
  if (!type.empty()) lines.line(type + inParentheses(block.text(StatKey::SUBTYPE)));
  // Perception goes with the senses, and both with the initiative; an NPC's has no senses.
  if (!block.text(StatKey::INI).empty()) {
    lines.line(joined({labelledPart("Init ", block.text(StatKey::INI)),
                       labelledPart("Senses ", block.text(StatKey::SENSES)),
                       labelledPart("Perception ", block.text(StatKey::PERCEPTION))},
                      "; "));
  }
  lines.labelled("Aura", block.text(StatKey::AURA));
  lines.labelled("AC", block.text(StatKey::AC));
  lines.labelled("hp", withDetail(block.text(StatKey::HP), block.text(StatKey::HD)));
  lines.line(block.text(StatKey::SAVES));
  lines.line(joined({labelledPart("DR ", block.text(StatKey::DR)),
                     labelledPart("Immune ", block.text(StatKey::IMMUNE)),
                     labelledPart("Resist ", block.text(StatKey::RESIST)),
                     labelledPart("SR ", block.text(StatKey::SR))},
                    "; "));
  lines.labelled("Defensive Abilities", block.text(StatKey::DEFENSIVE_ABILITIES));
  lines.labelled("Weaknesses", block.text(StatKey::WEAK));
  lines.labelled("Speed", block.text(StatKey::SPEED));
  lines.labelled("Melee", block.text(StatKey::MELEE));
  lines.labelled("Ranged", block.text(StatKey::RANGED));
  lines.line(joined({labelledPart("Space ", block.text(StatKey::SPACE)),
                     labelledPart("Reach ", block.text(StatKey::REACH))},
                    "; "));
  lines.labelled("Special Attacks", block.text(StatKey::SPECIAL_ATTACKS));
  if (block[StatKey::PF1E_STATS].isList) {
    const std::array<std::string, 6> scores = sixScores(block[StatKey::PF1E_STATS]);
    lines.line("Str " + scores[0] + ", Dex " + scores[1] + ", Con " + scores[2] + ", Int " +
               scores[3] + ", Wis " + scores[4] + ", Cha " + scores[5]);
  }
  lines.line(joined({labelledPart("Base Atk ", signedNumber(block.text(StatKey::BAB))),
                     labelledPart("CMB ", signedNumber(block.text(StatKey::CMB))),
                     labelledPart("CMD ", block.text(StatKey::CMD))},
                    "; "));
  lines.labelled("Feats", block.text(StatKey::FEATS));
  lines.labelled("Skills", block.text(StatKey::SKILLS));
  lines.labelled("Languages", block.text(StatKey::LANGUAGES));
  lines.labelled("SQ", block.text(StatKey::SPECIAL_QUALITIES));
  for (const StatItem& item : block[StatKey::ECOLOGY].items) {
    lines.line(joined(
        {item.first == "Organisation" ? std::string("Organization") : item.first, item.second},
        " "));
  }
  return lines.take();
}

}  // namespace

bool isMonsterStatblock(const Statblock& block) {
  return block.holds(StatKey::AC) || block.holds(StatKey::HP) || block.holds(StatKey::STATS) ||
         block.holds(StatKey::PF1E_STATS);
}

bool isPathfinderStatblock(const Statblock& block) {
  return block.holds(StatKey::PF1E_STATS) || block.holds(StatKey::MONSTER_CR);
}

bool marksStatblock(const Statblock& block) {
  return equalsIgnoringCase(block.text(StatKey::STATBLOCK), "true");
}

std::string statblockLines(const Statblock& block) {
  return isPathfinderStatblock(block) ? pathfinderLines(block) : fifthEditionLines(block);
}

}  // namespace veldarin
