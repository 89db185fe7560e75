#include <fstream>
#include <string>

#include "driver/console.h"
#include "monster/monster.h"
#include "output/format_codes.h"

namespace veldarin {

bool MonsterGroup::printToFile(const std::string& fileName, int formatCode) {
  // Checked before the open, so a bad code never truncates an existing file.
  if (formatCode < FORMAT_ABBREVIATED || formatCode > FORMAT_ABBREVIATED_AND_SPREADSHEET) {
    printLine("printToFile(): invalid format type.");
    return false;
  }
  std::ofstream file(fileName, std::ios::out | std::ios::trunc);
  if (!file.is_open()) {
    printLine("printToFile(): unable to open file.");
    return false;
  }
  for (int i = 0; i < count; ++i) {
    switch (formatCode) {
      case FORMAT_ABBREVIATED:
      case FORMAT_ABBREVIATED_AND_SPREADSHEET:
        monsters[i].printAbbreviated(file);
        break;
      case FORMAT_FULL:
        monsters[i].printFull(file);
        break;
      case FORMAT_SPREADSHEET:
        monsters[i].printSpreadsheet(file);
        break;
    }
  }
  // All paragraphs come before the first row, so the rows are built from fields that the
  // abbreviated pass has already shortened.
  if (formatCode == FORMAT_ABBREVIATED_AND_SPREADSHEET) {
    file << '\n';
    for (int i = 0; i < count; ++i) monsters[i].printSpreadsheet(file);
  }
  file.close();
  if (file.fail()) {
    printLine("printToFile(): error writing file.");
    return false;
  }
  return true;
}

}  // namespace veldarin
