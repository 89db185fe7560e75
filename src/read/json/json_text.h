#pragma once

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

// "+" before a number that has no sign.
std::string withSign(std::string_view number);

// The lower-case first letter made a capital, the rest kept.
std::string capitalized(std::string_view text);

// Statblock values set from what a tool gives.
void setText(Statblock& block, StatKey key, std::string text);
void addItem(Statblock& block, StatKey key, std::string first, std::string second);
void setScores(Statblock& block, StatKey key, std::vector<std::string> scores);

}  // namespace veldarin
