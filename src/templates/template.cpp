#include <array>
#include <string>
#include <string_view>

#include "monster/ascii.h"
#include "monster/monster.h"
#include "monster/to_int.h"
#include "templates/template_codes.h"

namespace veldarin {

namespace {

struct TemplateTexts {
  std::string_view namePrefix;
  std::string_view smite;
  std::string_view resistanceTypes;
};

constexpr TemplateTexts CELESTIAL_TEXTS{"Celestial", "smite evil", "acid, cold & electricity"};
constexpr TemplateTexts FIENDISH_TEXTS{"Fiendish", "smite good", "cold & fire"};

struct HitDiceBand {
  int fromHitDice;
  int resistance;
  int reductionGrade;
  int crIncrease;
};

// Highest band first; hit dice below 1 fall through to no band at all.
constexpr std::array<HitDiceBand, 4> hitDiceBands{{
    {12, 20, 3, 2},
    {8, 15, 2, 2},
    {4, 10, 1, 1},
    {1, 5, 0, 0},
}};

// Each text ends in ", " so that the spell resistance follows it directly.
std::string_view damageReductionText(int grade) {
  switch (grade) {
    case 1:
      return "damage reduction 5/+1, ";
    case 2:
      return "damage reduction 5/+2, ";
    case 3:
      return "damage reduction 10/+3, ";
    default:
      return "";
  }
}

void capitalizeFirst(std::string& text) {
  if (!text.empty()) text.front() = toUpperAscii(text.front());
}

// A field of only "-" is the table's mark for none, so the addition stands alone.
void appendToEntryList(Monster& monster, FieldId id, std::string_view text) {
  if (monster.field(id) == "-") monster.field(id).clear();
  monster.appendToField(id, text, ", ");
  capitalizeFirst(monster.field(id));
}

// Raises an Intelligence below 3 to 3: the score read 4 characters after "Int" is rewritten in
// place, and an abilities text that ends before that position gets the score appended.
void raiseIntelligence(std::string& abilities) {
  const std::size_t at = abilities.find("Int");
  if (at == std::string::npos) return;
  const std::size_t q = at + 4;
  if (q >= abilities.size()) {
    abilities.resize(q, ' ');
    abilities += '3';
    return;
  }
  if (toInt(abilities, q) >= 3) return;
  std::size_t start = q;
  while (start < abilities.size() && isSpaceChar(abilities[start])) ++start;
  std::size_t digits = start;
  if (digits < abilities.size() && (abilities[digits] == '+' || abilities[digits] == '-')) {
    ++digits;
  }
  std::size_t end = digits;
  while (end < abilities.size() && isDigitChar(abilities[end])) ++end;
  if (end > digits) {
    abilities.replace(start, end - start, "3");
  } else {
    abilities[q] = '3';
  }
}

}  // namespace

void Monster::templateBands(int hitDice, int& resistance, int& reductionGrade, int& crIncrease) {
  resistance = reductionGrade = crIncrease = 0;
  for (const HitDiceBand& band : hitDiceBands) {
    if (hitDice >= band.fromHitDice) {
      resistance = band.resistance;
      reductionGrade = band.reductionGrade;
      crIncrease = band.crIncrease;
      return;
    }
  }
}

void Monster::applyTemplate(int templateCode) {
  if (templateCode != TEMPLATE_CELESTIAL && templateCode != TEMPLATE_FIENDISH) return;
  const TemplateTexts& texts =
      templateCode == TEMPLATE_CELESTIAL ? CELESTIAL_TEXTS : FIENDISH_TEXTS;

  std::string& name = field(FIELD_NAME);
  name.insert(0, " ");
  name.insert(0, texts.namePrefix);

  appendToEntryList(*this, FIELD_SPECIAL_ATTACKS, texts.smite);

  int resistance = 0;
  int reductionGrade = 0;
  int crIncrease = 0;
  templateBands(hitDice, resistance, reductionGrade, crIncrease);

  std::string sentence = "darkvision 60 ft., ";
  sentence.append(texts.resistanceTypes)
      .append(" resistance ")
      .append(std::to_string(resistance))
      .append(", ")
      .append(damageReductionText(reductionGrade))
      .append("SR ")
      .append(std::to_string(saturatingAdd(hitDice, hitDice)));
  appendToEntryList(*this, FIELD_SPECIAL_QUALITIES, sentence);

  if (crIncrease > 0) {
    // A fractional rating (a negative code) rises to the whole increase, never below 1.
    cr = cr < 0 ? crIncrease : saturatingAdd(cr, crIncrease);
    field(FIELD_CHALLENGE_RATING) = std::to_string(cr);
  }

  raiseIntelligence(field(FIELD_ABILITIES));
}

void MonsterGroup::applyTemplate(int templateCode) {
  for (int i = 0; i < count; ++i) monsters[i].applyTemplate(templateCode);
}

}  // namespace veldarin
