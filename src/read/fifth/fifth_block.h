#pragma once

#include <string>
#include <string_view>

namespace veldarin {

class LineReader;
class MonsterGroup;

// Tells from the lines of a file (tabs read as spaces, trailing spaces dropped) whether it may
// hold fifth-edition stat blocks: one line begins with the armor class, one with the hit
// points and one with "STR".
class FifthEditionDetector {
 public:
  void see(std::string_view line);
  bool found() const { return armorClass_ && hitPoints_ && strength_; }

 private:
  bool armorClass_ = false;
  bool hitPoints_ = false;
  bool strength_ = false;
  std::string start_;  // the line's first bytes, as the tests read them
};

// Reads the blocks into the group, one monster for each type line ("Small humanoid (goblinoid),
// neutral evil" followed by the armor class), in file order.
void readFifthEditionBlocks(MonsterGroup& group, LineReader& reader);

}  // namespace veldarin
