#include <algorithm>
#include <array>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "monster/ascii.h"
#include "monster/monster.h"
#include "read/to_int.h"
#include "system/console.h"
#include "templates/number_text.h"
#include "templates/simple_template.h"
#include "templates/template_codes.h"

namespace veldarin {

namespace {

struct TemplateTexts {
  int code;
  std::string_view namePrefix;
  std::string_view smite;
  std::string_view resistanceTypes;
  std::string_view reductionAlignment;  // what overcomes a Pathfinder damage reduction
};

constexpr auto TEMPLATE_TEXTS = std::to_array<TemplateTexts>({
    {TEMPLATE_CELESTIAL, "Celestial", "smite evil", "acid, cold & electricity", "evil"},
    {TEMPLATE_FIENDISH, "Fiendish", "smite good", "cold & fire", "good"},
    {TEMPLATE_ENTROPIC, "Entropic", "smite law", "acid & fire", "lawful"},
    {TEMPLATE_RESOLUTE, "Resolute", "smite chaos", "acid, cold & fire", "chaotic"},
});

struct HitDiceBand {
  int fromHitDice;
  int resistance;
  int reductionGrade;
  int crIncrease;
};

// One edition's rules: the bands, highest first (hit dice below 1 fall through to no band at
// all), and the damage reduction of each grade, which Pathfinder's alignment overcomes.
struct EditionRules {
  std::array<HitDiceBand, 4> bands;
  std::array<std::string_view, 4> reduction;
  bool byAlignment;
};

constexpr EditionRules RULES_30{
    {{{12, 20, 3, 2}, {8, 15, 2, 2}, {4, 10, 1, 1}, {1, 5, 0, 0}}},
    {"", "5/+1", "5/+2", "10/+3"},
    false,
};

constexpr EditionRules RULES_35{
    {{{12, 10, 3, 2}, {8, 10, 2, 2}, {4, 5, 1, 1}, {1, 5, 0, 0}}},
    {"", "5/magic", "5/magic", "10/magic"},
    false,
};

// Pathfinder has three bands; the fourth repeats the lowest.
constexpr EditionRules RULES_PATHFINDER{
    {{{11, 15, 2, 1}, {5, 10, 1, 1}, {1, 5, 0, 0}, {1, 5, 0, 0}}},
    {"", "5/", "10/", ""},
    true,
};

void bandsOf(const EditionRules& rules, int hitDice, int& resistance, int& reductionGrade,
             int& crIncrease) {
  resistance = reductionGrade = crIncrease = 0;
  for (const HitDiceBand& band : rules.bands) {
    if (hitDice >= band.fromHitDice) {
      resistance = band.resistance;
      reductionGrade = band.reductionGrade;
      crIncrease = band.crIncrease;
      return;
    }
  }
}

// Appends "damage reduction 5/evil, ", ending in ", " so that the spell resistance follows it
// directly; nothing for a grade without one.
void appendDamageReduction(std::string& to, const EditionRules& rules, const TemplateTexts& texts,
                           int grade) {
  if (grade < 0 || grade >= static_cast<int>(rules.reduction.size()) ||
      rules.reduction[grade].empty()) {
    return;
  }
  to.append("damage reduction ").append(rules.reduction[grade]);
  if (rules.byAlignment) to.append(texts.reductionAlignment);
  to.append(", ");
}

// 3.0: twice the hit dice. 3.5: hit dice + 5, at most 25. Pathfinder: the new challenge rating
// + 5, a fraction counting as 0. Under 1 hit die, 3.5 and Pathfinder give none.
int spellResistance(const Monster& monster) {
  const int hitDice = monster.hitDice;
  if (monster.pathfinder.block) return hitDice < 1 ? 0 : saturatingAdd(std::max(monster.cr, 0), 5);
  if (!monster.edition35.table) return saturatingAdd(hitDice, hitDice);
  return hitDice < 1 ? 0 : std::min(hitDice, 20) + 5;
}

// The words and the text in one block of their size: a name grows once, however many
// templates name it.
void prependWords(std::string& text, std::initializer_list<std::string_view> words) {
  std::size_t size = text.size();
  for (const std::string_view word : words) size += word.size();
  std::string named;
  named.reserve(size);
  for (const std::string_view word : words) named.append(word);
  named.append(text);
  text.swap(named);
}

void capitalizeFirst(std::string& text) {
  if (!text.empty()) text.front() = toUpperAscii(text.front());
}

// The entry list with room for `more` bytes and the separator of a next entry, ready for it. A
// field of only "-" is the table's mark for none, so the addition stands alone.
std::string& entryListFor(Monster& monster, FieldId id, std::size_t more) {
  std::string& list = monster.field(id);
  if (list == "-") list.clear();
  reserveExactly(list, list.size() + 2 + more);
  if (!list.empty()) list += ", ";
  return list;
}

// Raises an Intelligence below 3 to 3: the score read 4 characters after "Int" is rewritten in
// place, and an abilities text that ends before that position gets the score appended. Without
// digits the whole character there becomes "3", so a "—" leaves no stray UTF-8 bytes.
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
  bool negative = false;
  const std::size_t digits = start + signAt(abilities, start, negative);
  std::size_t end = digits;
  while (end < abilities.size() && isDigitChar(abilities[end])) ++end;
  if (end > digits) {
    abilities.replace(start, end - start, "3");
  } else {
    std::size_t next = q + 1;
    while (next < abilities.size() && isContinuationByte(abilities[next])) ++next;
    abilities.replace(q, next - q, "3");
  }
}

}  // namespace

void Monster::templateBands(int hitDice, int& resistance, int& reductionGrade, int& crIncrease) {
  bandsOf(RULES_30, hitDice, resistance, reductionGrade, crIncrease);
}

void Monster::applyTemplate(int templateCode) {
  std::string buffer;
  applyTemplate(templateCode, {}, buffer);
}

void Monster::applyTemplate(int templateCode, std::string_view namesBefore, std::string& buffer) {
  const auto texts = std::find_if(TEMPLATE_TEXTS.begin(), TEMPLATE_TEXTS.end(),
                                  [&](const TemplateTexts& t) { return t.code == templateCode; });
  if (texts == TEMPLATE_TEXTS.end()) return;

  prependWords(field(FIELD_NAME), {namesBefore, texts->namePrefix, " "});

  capitalizeFirst(
      entryListFor(*this, FIELD_SPECIAL_ATTACKS, texts->smite.size()).append(texts->smite));

  int resistance = 0;
  int reductionGrade = 0;
  int crIncrease = 0;
  const EditionRules& rules = pathfinder.block  ? RULES_PATHFINDER
                              : edition35.table ? RULES_35
                                                : RULES_30;
  bandsOf(rules, hitDice, resistance, reductionGrade, crIncrease);

  if (crIncrease > 0) {
    // A fractional rating (a negative code) rises to the whole increase, never below 1.
    cr = cr < 0 ? crIncrease : saturatingAdd(cr, crIncrease);
    field(FIELD_CHALLENGE_RATING) = std::to_string(cr);
  }

  // Built first, so that the qualities grow once and by just its size: across a bestiary, their
  // new blocks are most of the memory a template takes.
  buffer.assign("darkvision 60 ft., ")
      .append(texts->resistanceTypes)
      .append(" resistance ")
      .append(std::to_string(resistance))
      .append(", ");
  appendDamageReduction(buffer, rules, *texts, reductionGrade);
  buffer.append("SR ").append(std::to_string(spellResistance(*this)));
  capitalizeFirst(entryListFor(*this, FIELD_SPECIAL_QUALITIES, buffer.size()).append(buffer));

  raiseIntelligence(field(FIELD_ABILITIES));
}

bool MonsterGroup::applyTemplates(unsigned templates) {
  const auto any = [this](auto test) {
    return std::any_of(monsters.begin(), monsters.end(), test);
  };
  if (templates != 0 && any([](const Monster& monster) { return monster.fifthEditionBlock; })) {
    printLine("applyTemplate(): templates need 3rd-edition or Pathfinder monsters.");
    return false;
  }
  if ((asks(templates, TEMPLATE_ENTROPIC) || asks(templates, TEMPLATE_RESOLUTE)) &&
      any([](const Monster& monster) { return !monster.pathfinder.block; })) {
    printLine("applyTemplate(): entropic and resolute templates need Pathfinder monsters.");
    return false;
  }
  // The simple templates rewrite the attacks and read the rolls again; condensing the attacks
  // after that is cheaper than rewriting what the loader condensed.
  const bool simple = (templates & ~ALIGNMENT_TEMPLATES) != 0;
  const bool condense = !finishOnLoad || simple;
  if (templates == 0 && !condense) return true;
  const std::string simpleNames = simpleTemplateNames(templates);
  RewriteScratch scratch;
  // A run at a time, each rewriting over the whole run. A table's texts lie row by row, so a
  // rewriting of a run of its monsters walks one row's memory. A Pathfinder block's texts lie
  // together, and stay in the cache while the monster is rewritten alone.
  const std::span<Monster> all(monsters);
  for (std::size_t first = 0, count = 0; first < all.size(); first += count) {
    count = all[first].pathfinder.block ? 1 : std::min<std::size_t>(64, all.size() - first);
    const std::span<Monster> run = all.subspan(first, count);
    // The simple templates move the rating that the alignment template then reads.
    applySimpleTemplates(run, templates, scratch);
    for (Monster& monster : run) {
      // The rolls the loader left, read as it would have, before the alignment template.
      if (!finishOnLoad && !simple) monster.extractRolls();
      // Their words stand before the alignment template's, and the name grows once.
      std::string_view namesBefore = simpleNames;
      for (const TemplateTexts& texts : TEMPLATE_TEXTS) {
        if (!asks(templates, texts.code)) continue;
        monster.applyTemplate(texts.code, namesBefore, scratch.text);
        namesBefore = {};
      }
      if (!namesBefore.empty()) prependWords(monster.field(FIELD_NAME), {namesBefore});
      // A fifth-edition reader condenses its attacks itself.
      if (condense && !monster.fifthEditionBlock) monster.summarizeAttacks();
    }
  }
  return true;
}

}  // namespace veldarin
