#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace veldarin {

class LineReader;
class MonsterGroup;

// A block that a line "XP 400" opens without a title line (as notes print them): the line
// that names it, the XP line, and the rating its award gives.
struct AwardTitle {
  std::size_t titleLine = 0;
  std::size_t awardLine = 0;
  std::string_view rating;
};

// Tells from the lines of a file without tabs whether it holds Pathfinder stat blocks: one line
// is a title ("Boar CR 2", or an "XP" line with no title among the three non-empty lines above
// it), another begins with "AC " and another with "hp ".
class BlockDetector {
 public:
  void see(std::string_view line);
  bool found() const { return titles_ > 0 && ac_ && hp_; }
  std::size_t titles() const { return titles_; }
  const std::vector<AwardTitle>& awardTitles() const { return awardTitles_; }

 private:
  std::size_t titles_ = 0;
  bool ac_ = false;
  bool hp_ = false;
  std::size_t line_ = 0;             // of the file, from 0
  std::size_t linesSinceTitle_ = 3;  // non-empty lines since the last title, up to 3
  std::size_t lastTitleLine_ = 0;
  // Lines that may name a block: the file's first non-empty line that does not begin with
  // "Source ", and the nearest such line that does not end with ".".
  std::size_t firstNamed_ = 0;
  bool firstSeen_ = false;
  std::size_t nearestNamed_ = 0;
  bool nearestSeen_ = false;
  std::vector<AwardTitle> awardTitles_;
};

// True for a block's title line: a name, " CR " and a rating ("Boar CR 2").
bool isPathfinderTitle(std::string_view line);

// Reads the blocks into the group's monsters, one per title line, as many as the first pass
// counted.
void readPathfinderBlocks(MonsterGroup& group, LineReader& reader, const BlockDetector& detector);

}  // namespace veldarin
