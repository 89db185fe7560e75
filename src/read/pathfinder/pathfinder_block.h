#pragma once

#include <cstddef>
#include <string_view>

namespace veldarin {

class LineReader;
class MonsterGroup;

// Tells from the lines of a file without tabs whether it holds Pathfinder stat blocks: one line
// is a title ("Boar CR 2"), another begins with "AC " and another with "hp ".
class BlockDetector {
 public:
  void see(std::string_view line);
  bool found() const { return titles_ > 0 && ac_ && hp_; }
  std::size_t titles() const { return titles_; }

 private:
  std::size_t titles_ = 0;
  bool ac_ = false;
  bool hp_ = false;
};

// True for a block's title line: a name, " CR " and a rating ("Boar CR 2").
bool isPathfinderTitle(std::string_view line);

// Reads the blocks into the group's monsters, one per title line, as many as the first pass
// counted.
void readPathfinderBlocks(MonsterGroup& group, LineReader& reader);

}  // namespace veldarin
