#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "read/json/json_values.h"
#include "read/statblock/statblock.h"

namespace veldarin {

// A number's text without a fraction of zeros: "40.0" is "40".
std::string wholeNumber(std::string_view number);

// A text read by the inline rules, its lines joined with one space.
std::string oneLine(std::string_view raw);

// A scalar's text as a block prints it: outer spaces off, a number's zero fraction off, read by
// the inline rules with its lines joined by one space. Empty when absent or a collection.
std::string plainText(const JsonValues& values, JsonValues::Index index);

// The plain text of an object's member.
std::string memberText(const JsonValues& values, JsonValues::Index object, std::string_view key);

// A description read by the inline rules with its own line breaks (and <br>) kept, blank lines
// dropped.
std::string descriptionText(std::string_view raw);

// A challenge rating: "0.125", "0.25" and "0.5" as fractions.
std::string ratingText(std::string_view rating);

// Texts joined with ", ", or with "; " when one of them holds a comma; empty ones left out.
std::string joinedTexts(const std::vector<std::string>& texts);

// A list's texts (or a lone scalar) joined as `joinedTexts` does.
std::string listText(const JsonValues& values, JsonValues::Index index);

// "(Recharge 5–6)" for a recharge from 5; "(Recharge 6)" without one.
std::string rechargeText(std::string_view from);

// "+" before a number that has no sign.
std::string withSign(std::string_view number);

// The lower-case first letter made a capital, the rest kept.
std::string capitalized(std::string_view text);

// A tool's code and the words a block prints for it.
struct CodeLabel {
  std::string_view code;
  std::string_view text;
};

// The words for a code; `otherwise` when the code is not in the list.
std::string_view labelOf(std::span<const CodeLabel> labels, std::string_view code,
                         std::string_view otherwise = {});

// "30 ft., fly 60 ft. (hover)": the speed each mode (walk, burrow, climb, fly, swim) has, walk
// first without its word, a bare number in feet; "(hover)" after a fly speed that does not say
// it already. `speedOf` gives a mode's speed, empty when it has none.
template <typename SpeedOf>
std::string speedText(SpeedOf speedOf, bool hover) {
  std::string text;
  for (const std::string_view mode : {"walk", "burrow", "climb", "fly", "swim"}) {
    std::string part = speedOf(mode);
    if (part.empty()) continue;
    if (part.find_first_not_of("0123456789") == std::string::npos) part += " ft.";
    if (mode == "fly" && hover && part.find("hover") == std::string::npos) part += " (hover)";
    if (!text.empty()) text += ", ";
    if (mode != "walk") text.append(mode).append(" ");
    text += part;
  }
  return text;
}

// "sleight_of_hand" as "Sleight Of Hand": underscores spaces, each word a capital.
std::string titled(std::string_view key);

// Statblock values set from what a tool gives.
void setText(Statblock& block, StatKey key, std::string text);
void addItem(Statblock& block, StatKey key, std::string first, std::string second);
void setScores(Statblock& block, StatKey key, std::vector<std::string> scores);

}  // namespace veldarin
