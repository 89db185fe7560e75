#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "program_runner.h"

namespace veldarin::testing {
namespace {

const std::string FINISHED = "Finished writing monster summary file.\n";

struct Summary {
  std::string output;
  std::string file;
};

// Runs the program on the input table with the switches and returns the summary file.
Summary summarize(const std::string& table, const std::vector<std::string>& switches) {
  ScratchDir dir;
  dir.write("monster.txt", table);
  std::vector<std::string> args = {"monster.txt", "summary.txt"};
  args.insert(args.end(), switches.begin(), switches.end());
  const ProgramRun run = runProgram(dir, args);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.errors, "");
  return {run.output, dir.read("summary.txt")};
}

const std::string GREY_LURKER =
    "Grey Lurker\n"
    "Medium Beast\n"
    "Hit Dice: 3d10+6 (22 hp)\n"
    "Hit Points: 22\n"
    "Initiative: +2 (Dex)\n"
    "Speed: 40 ft.\n"
    "AC: 14 (+2 Dex, +2 natural)\n"
    "Attacks: Bite +4 melee\n"
    "Damage: Bite 1d6\n"
    "Face/Reach: 5 ft. by 5 ft./5 ft.\n"
    "Special Attacks: -\n"
    "Special Qualities: scent\n"
    "Saves: Fort +5, Ref +5, Will +2\n"
    "Abilities: Str 15, Dex 14, Con 15, Int 2, Wis 12, Cha 6\n"
    "Skills: Hide +4\n"
    "Feats: -\n"
    "Challenge Rating: 2\n"
    "Alignment: Always neutral\n";

TEST(SummaryFileTest, GreyLurkerParagraph) {
  const Summary summary = summarize(GREY_LURKER, {});
  EXPECT_EQ(summary.output, nativeLines(BANNER + FINISHED));
  EXPECT_EQ(
      summary.file,
      nativeLines(
          "\n"
          "Grey Lurker: Medium Beast; CR 2; HD 3d10+6; hp 22 ___; Init +2; Spd 40 ft.; AC 14; "
          "Atks bite +4 (1d6); SQ scent; AL N; SV Fort +5, Ref +5, Will +2.\n"
          "\tStr 15, Dex 14, Con 15, Int 2, Wis 12, Cha 6.\n"
          "\tSkills and Feats: Hide +4.\n"));
}

TEST(SummaryFileTest, GreyLurkerRow) {
  std::string table = GREY_LURKER;
  table.replace(table.find("Hide +4"), 7, "Hide +4, Listen +6, Spot +6");
  EXPECT_EQ(summarize(table, {"/f3"}).file,
            nativeLines("Grey Lurker\t2\t3d10+6\t22 ___\t\t2\t\t40\t14\t5\t5\t2\t6\t6\t\tbite +4 "
                        "(1d6); scent\n"));
  table.replace(table.find("Rating: 2"), 9, "Rating: 1/4");
  EXPECT_EQ(summarize(table, {"/f3"}).file.substr(11, 4), "\t-3\t");
}

const std::string TWO_MONSTERS =
    "\n"
    "\tStone Hound\tAsh Wisp\n"
    "\n"
    "\tMedium Magical Beast\tTiny Elemental (Fire)\n"
    "Hit Dice:\t4d10+8 (30 hp)\t1d8 (4 hp)\n"
    "Initiative:\t+1 (Dex)\t+3\n"
    "Speed:\t30 ft., burrow 10 ft.\tfly 50 ft. (perfect)\n"
    "AC:\t17 (+1 Dex, +6 natural)\t16 (+2 size, +3 Dex, +1 natural)\n"
    "Attacks:\tBite +6 melee\tSlam +5 melee\n"
    "Damage:\tBite 1d8+3\tSlam 1d3 and 1d4 fire\n"
    "Face/Reach:\t5 ft. by 5 ft./5 ft.\t2 1/2 ft. by 2 1/2 ft./0 ft.\n"
    "Special Attacks:\tRend\t-\n"
    "Special Qualities:\tDamage Reduction 5/+1, SR 12\tFire subtype\n"
    "Saves:\tFort +6, Ref +5, Will +2\tFort +0, Ref +5, Will +0\n"
    "Abilities:\tStr 16, Dex 12, Con 14, Int 3, Wis 13, Cha 7\tStr 6, Dex 17, Con 10, Int 4, "
    "Wis 11, Cha 11\n"
    "Skills:\tListen +5, Spot +5\t-\n"
    "Feats:\tAlertness\t-\n"
    "Challenge Rating:\t3\t1/2\n"
    "Alignment:\tAlways lawful neutral\tUsually neutral\n";

const std::string TWO_PARAGRAPHS =
    "\n"
    "Stone Hound: Medium Magical Beast; CR 3; HD 4d10+8; hp ___; Init +1; "
    "Spd 30 ft., burrow 10 ft.; AC 17; Atks bite +6 (1d8+3); SA Rend; "
    "SQ Damage Reduction 5/+1, SR 12; AL LN; SV Fort +6, Ref +5, Will +2.\n"
    "\tStr 16, Dex 12, Con 14, Int 3, Wis 13, Cha 7.\n"
    "\tSkills and Feats: Listen +5, Spot +5; Alertness.\n"
    "\n"
    "Ash Wisp: Tiny Elemental (Fire); CR 1/2; HD 1d8; hp ___; Init +3; "
    "Spd fly 50 ft. (perfect); AC 16; Atks slam +5 (1d3 and 1d4 fire); "
    "Face/Reach 2 1/2x2 1/2 ft./0 ft.; SQ Fire subtype; AL N; SV Fort +0, Ref +5, Will +0.\n"
    "\tStr 6, Dex 17, Con 10, Int 4, Wis 11, Cha 11.\n";

const std::string TWO_ROWS =
    "Stone Hound\t3\t4d10+8\t___\t\t1\t\t30\t17\t6\t5\t2\t5\t5\t\t"
    "bite +6 (1d8+3); rend; DR 5/+1, SR 12\n"
    "Ash Wisp\t-1\t1d8\t___\t\t3\t\t50\t16\t0\t5\t0\t0\t0\t\t"
    "slam +5 (1d3 and 1d4 fire); fire subtype\n";

TEST(SummaryFileTest, TwoMonstersInEveryFormat) {
  EXPECT_EQ(summarize(TWO_MONSTERS, {"/f1"}).file, nativeLines(TWO_PARAGRAPHS));
  EXPECT_EQ(summarize(TWO_MONSTERS, {"/f3"}).file, nativeLines(TWO_ROWS));
  EXPECT_EQ(summarize(TWO_MONSTERS, {"/f4"}).file, nativeLines(TWO_PARAGRAPHS + "\n" + TWO_ROWS));

  const std::string full = summarize(TWO_MONSTERS, {"/f2"}).file;
  EXPECT_EQ(std::count(full.begin(), full.end(), '\n'), 44);
  EXPECT_NE(full.find(nativeLines("\nStone Hound\nMedium Magical Beast\nHit Dice: 4d10+8 (30 hp)\n"
                                  "Initiative: +1 (Dex)\n")),
            std::string::npos);
  EXPECT_NE(full.find(nativeLines("\nSkills: -\nFeats: -\nClimate/Terrain: -\nOrganization: -\n"
                                  "Challenge Rating: 1/2\nTreasure: -\nAlignment: Usually neutral\n"
                                  "Advancement: -\n")),
            std::string::npos);
}

TEST(SummaryFileTest, NameAndTypeOnlyInFullListing) {
  const Summary summary = summarize("Lone Shade\nSmall Undead\n", {"/f2"});
  EXPECT_EQ(summary.output, nativeLines(BANNER + FINISHED));
  std::istringstream lines(summary.file);
  std::vector<std::string> read;
  for (std::string line; std::getline(lines, line);) read.push_back(line + "\n");
  ASSERT_EQ(read.size(), 22u);
  EXPECT_EQ(read[0], nativeLines("\n"));
  EXPECT_EQ(read[1], nativeLines("Lone Shade\n"));
  EXPECT_EQ(read[2], nativeLines("Small Undead\n"));
  EXPECT_EQ(read[3], nativeLines("Hit Dice: -\n"));
  EXPECT_EQ(read[21], nativeLines("Advancement: -\n"));
}

TEST(SummaryFileTest, EightMonstersInSpreadsheetRows) {
  std::string table = "Swarm\n";
  for (const char* row : {"", "", "Special Qualities:"}) {
    table += row;
    for (int i = 1; i <= 8; ++i) table += "\tM" + std::to_string(i);
    table += "\n";
  }
  const std::string file = summarize(table, {"/f3"}).file;
  std::istringstream lines(file);
  int count = 0;
  for (std::string line; std::getline(lines, line); ++count) {
    EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 15) << line;
    EXPECT_TRUE(line.starts_with("Swarm, M" + std::to_string(count + 1) + "\t")) << line;
  }
  EXPECT_EQ(count, 8);
}

const std::string CAVE_LIZARD =
    "Cave Lizard\n"
    "Medium Animal\n"
    "Hit Dice: 9d8+18 (58 hp)\n"
    "Special Qualities: scent\n"
    "Abilities: Str 17, Dex 12, Con 15, Int 2, Wis 12, Cha 6\n"
    "Challenge Rating: 4\n";

TEST(SummaryFileTest, FiendishCaveLizard) {
  EXPECT_EQ(
      summarize(CAVE_LIZARD, {"/f2", "/t2"}).file,
      nativeLines(
          "\nFiendish Cave Lizard\nMedium Animal\nHit Dice: 9d8+18 (58 hp)\nInitiative: -\n"
          "Speed: -\nAC: -\nAttacks: -\nDamage: -\nFace/Reach: -\nSpecial Attacks: Smite good\n"
          "Special Qualities: Scent, darkvision 60 ft., cold & fire resistance 15, "
          "damage reduction 5/+2, SR 18\n"
          "Saves: -\nAbilities: Str 17, Dex 12, Con 15, Int 3, Wis 12, Cha 6\nSkills: -\n"
          "Feats: -\nClimate/Terrain: -\nOrganization: -\nChallenge Rating: 6\nTreasure: -\n"
          "Alignment: -\nAdvancement: -\n"));
  EXPECT_EQ(summarize(CAVE_LIZARD, {"/t2"}).file,
            nativeLines("\nFiendish Cave Lizard: Medium Animal; CR 6; HD 9d8+18; hp ___; Atks ...; "
                        "SA Smite good; SQ Scent, darkvision 60 ft., cold & fire resistance 15, "
                        "damage reduction 5/+2, SR 18.\n"
                        "\tStr 17, Dex 12, Con 15, Int 3, Wis 12, Cha 6.\n"));
}

TEST(SummaryFileTest, CelestialCaveLizard) {
  std::string table = CAVE_LIZARD;
  table.replace(table.find("9d8+18 (58 hp)"), 14, "2d8+4 (13 hp)");
  EXPECT_EQ(
      summarize(table, {"/t1"}).file,
      nativeLines(
          "\nCelestial Cave Lizard: Medium Animal; CR 4; HD 2d8+4; hp ___; Atks ...; "
          "SA Smite evil; SQ Scent, darkvision 60 ft., acid, cold & electricity resistance 5, "
          "SR 4.\n"
          "\tStr 17, Dex 12, Con 15, Int 3, Wis 12, Cha 6.\n"));
  EXPECT_EQ(
      summarize(table, {"/f3", "/t1"}).file,
      nativeLines(
          "Celestial Cave Lizard\t4\t2d8+4\t___\t\t0\t\t0\t0\t0\t0\t0\t1\t1\t\t...; smite evil; "
          "scent, darkvision 60 ft., acid, cold & electricity resistance 5, SR 4\n"));
}

TEST(SummaryFileTest, WriteFailures) {
  const struct {
    std::string outFile;
    std::string message;
  } cases[] = {
      {"missing/summary.txt", "printToFile(): unable to open file.\n"},
      {".", "printToFile(): unable to open file.\n"},
  // Windows has no full device; its failed writes are shown through the writer's file calls.
#ifndef _WIN32
      {"../../../../../../../../dev/full", "printToFile(): error writing file.\n"},
#endif
  };
  for (const auto& c : cases) {
    ScratchDir dir;
    dir.write("monster.txt", GREY_LURKER);
    const ProgramRun run = runProgram(dir, {"monster.txt", c.outFile, "/q"});
    EXPECT_EQ(run.output, nativeLines(BANNER + c.message +
                                      "MEMORY REPORT: currently 0 memory block(s) for 0 byte(s).\n"
                                      "Press <Enter> to finish.\n"))
        << c.outFile;
    EXPECT_EQ(run.status, 1) << c.outFile;
  }
}

TEST(SummaryFileTest, ExistingFileIsReplaced) {
  ScratchDir dir;
  dir.write("monster.txt", "Lone Shade\nSmall Undead\n");
  dir.write("summary.txt", std::string(5000, 'x'));
  EXPECT_EQ(runProgram(dir, {}).output, nativeLines(BANNER + FINISHED));
  EXPECT_EQ(dir.read("summary.txt"),
            nativeLines("\nLone Shade: Small Undead; hp ___; Atks ....\n\t.\n"));
}

}  // namespace
}  // namespace veldarin::testing
