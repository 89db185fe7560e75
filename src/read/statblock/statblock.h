#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace veldarin {

// The keys of a statblock that give lines, compared in any case with a space and "_" alike.
enum class StatKey {
  NAME,
  SIZE,
  TYPE,
  SUBTYPE,
  ALIGNMENT,
  AC,
  AC_CLASS,
  HP,
  HIT_DICE,
  SPEED,
  STATS,
  SAVES,
  SKILLSAVES,
  DAMAGE_VULNERABILITIES,
  DAMAGE_RESISTANCES,
  DAMAGE_IMMUNITIES,
  CONDITION_IMMUNITIES,
  SENSES,
  LANGUAGES,
  CR,
  TRAITS,
  ACTIONS,
  BONUS_ACTIONS,
  REACTIONS,
  LEGENDARY_ACTIONS,
  LAIR_ACTIONS,
  MYTHIC_ACTIONS,
  MONSTER_CR,
  MONSTER_XP,
  INI,
  PERCEPTION,
  AURA,
  HD,
  DR,
  IMMUNE,
  RESIST,
  SR,
  DEFENSIVE_ABILITIES,
  WEAK,
  MELEE,
  RANGED,
  SPACE,
  REACH,
  SPECIAL_ATTACKS,
  PF1E_STATS,
  BAB,
  CMB,
  CMD,
  FEATS,
  SKILLS,
  SPECIAL_QUALITIES,
  ECOLOGY,
  STATBLOCK,
  COUNT,
};

// An item of saves or skills (key and value) or of a section (name and desc); either text may
// be empty when absent.
struct StatItem {
  std::string first;
  std::string second;
  bool valid = true;  // false once a later duplicate key made it no item
};

// What a key's value gives. Texts have been read by the inline rules.
struct StatValue {
  bool present = false;  // a value that is not absent
  bool isText = false;   // a scalar, or a list of scalars joined with ", "
  std::string text;
  bool isList = false;
  std::vector<std::string> firstSix;  // a list's first six items as text ("" when no text)
  std::vector<StatItem> items;        // from mappings: saves, skills and sections
};

struct Statblock {
  std::array<StatValue, static_cast<std::size_t>(StatKey::COUNT)> values;

  const StatValue& operator[](StatKey key) const { return values[static_cast<std::size_t>(key)]; }
  StatValue& operator[](StatKey key) { return values[static_cast<std::size_t>(key)]; }
  bool holds(StatKey key) const { return (*this)[key].present; }
  // The text of a key, empty when it has none.
  std::string_view text(StatKey key) const {
    const StatValue& value = (*this)[key];
    return value.isText ? std::string_view(value.text) : std::string_view();
  }
};

class StatblockBuilder;

// Builds a statblock from a parser's events, as `readStatblock` does from libyaml's: a scalar
// (an alias has no text), a collection opened (a map or a list), the innermost one closed.
class StatblockEvents {
 public:
  explicit StatblockEvents(Statblock& block);
  ~StatblockEvents();
  StatblockEvents(const StatblockEvents&) = delete;
  StatblockEvents& operator=(const StatblockEvents&) = delete;
  void scalar(std::string_view raw, bool alias = false);
  void open(bool map);
  void close();
  std::size_t depth() const;

 private:
  std::unique_ptr<StatblockBuilder> builder_;
};

// Why a statblock could not be read: the line of the text (from 0) and libyaml's words.
struct StatblockProblem {
  std::size_t line = 0;
  std::string text;
};

// Reads the first YAML document of `yaml` into `block`, keys outside the table ignored. False,
// with the problem, when it is no valid YAML or nests deeper than 64 levels.
bool readStatblock(std::string_view yaml, Statblock& block, StatblockProblem& problem);

}  // namespace veldarin
