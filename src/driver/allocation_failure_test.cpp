#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <iterator>
#include <string>

#include "monster/monster.h"
#include "support/portable.h"
#include "support/scratch_dir.h"
#include "system/allocation.h"

namespace veldarin {
namespace {

const char* const TABLE =
    "Cave Lizards\n"
    "\tLesser\tGreater\n"
    "\tMedium Animal\tLarge Animal\n"
    "Hit Dice:\t2d8+4 (13 hp)\t9d8+18 (58 hp)\n"
    "Speed:\t30 ft., climb 20 ft.\t40 ft. (base 50 ft.)\n"
    "Attacks:\tBite +3 melee\tBite +9 melee, 2 claws +4 melee\n"
    "Damage:\tBite 1d6+1\tBite 2d6+4, claw 1d4+2\n"
    "Face/Reach:\t5 ft. by 5 ft./5 ft.\t5 ft. by 10 ft./5 ft.\n"
    "Special Attacks:\t-\tRend\n"
    "Special Qualities:\tScent\tScent, damage reduction 5/+1\n"
    "\tlow-light vision\tlow-light vision\n"
    "Saves:\tFort +5, Ref +3, Will +0\tFort +8, Ref +6, Will +3\n"
    "Abilities:\tStr 13, Dex 12, Con 15, Int 2, Wis 10, Cha 4\tStr 19, Int 1, Wis 12 ~ note\n"
    "Skills:\tHide +5, Spot +4\tListen +6\n"
    "Feats:\t-\tAlertness\n"
    "Challenge Rating:\t1/2\t4\n"
    "Alignment:\tAlways neutral\tAlways neutral\n";

// A whole load, template and write cycle, every format.
void cycle(const std::string& input, const std::string& output) {
  MonsterGroup group;
  if (!group.loadFromFile(input)) return;
  group.applyTemplates(1U << 2);
  for (int format = 1; format <= 4; ++format) group.printToFile(output, format);
}

TEST(AllocationFailureDeathTest, EveryAllocationOfACycleEndsInTheReport) {
  const veldarin::testing::ScratchDir dir;
  const std::string input = dir.write("monster.txt", TABLE);
  const std::string output = dir.file("summary.txt");

  const std::uint64_t before = allocationNumber();
  cycle(input, output);
  const std::uint64_t allocations = allocationNumber() - before;
  ASSERT_GT(allocations, 50u);

  using veldarin::testing::DIGITS;
  using veldarin::testing::LINE_END;
  const std::string report = std::string("OUT OF MEMORY: Attempt to allocate ") + DIGITS +
                             " byte\\(s\\) failed!" + LINE_END + "MEMORY REPORT: currently " +
                             DIGITS + " memory block\\(s\\) for " + DIGITS + " byte\\(s\\)\\." +
                             LINE_END + "$";
  for (std::uint64_t k = 1; k <= allocations; ++k) {
    EXPECT_EXIT(
        {
          veldarin::testing::standardOutputToError();
          installOutOfMemoryHandler();
          failAllocationNumber(allocationNumber() + k);
          cycle(input, output);
        },
        veldarin::testing::abortedExit(), report)
        << "allocation " << k << " of " << allocations;
    // No temporary file of the interrupted write is left beside the summary.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2)
        << "allocation " << k;
  }
}

}  // namespace
}  // namespace veldarin
