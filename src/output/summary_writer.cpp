#include <ostream>
#include <string>

#include "monster/monster.h"
#include "output/format_codes.h"
#include "output/summary_file.h"
#include "system/console.h"

namespace veldarin {

void MonsterGroup::writeSummary(std::ostream& out, int formatCode) {
  for (Monster& monster : monsters) {
    switch (formatCode) {
      case FORMAT_ABBREVIATED:
      case FORMAT_ABBREVIATED_AND_SPREADSHEET:
        monster.printAbbreviated(out);
        break;
      case FORMAT_FULL:
        monster.printFull(out);
        break;
      case FORMAT_SPREADSHEET:
        monster.printSpreadsheet(out);
        break;
    }
  }
  // All paragraphs come before the first row, so the rows are built from fields that the
  // abbreviated pass has already shortened.
  if (formatCode == FORMAT_ABBREVIATED_AND_SPREADSHEET) {
    out << '\n';
    for (Monster& monster : monsters) monster.printSpreadsheet(out);
  }
}

bool MonsterGroup::printToFile(const std::string& fileName, int formatCode) {
  return printToFile(fileName, formatCode, systemFileCalls());
}

bool MonsterGroup::printToFile(const std::string& fileName, int formatCode,
                               const FileCalls& calls) {
  // Checked before the open, so a bad code never touches the disk.
  if (formatCode < FORMAT_ABBREVIATED || formatCode > FORMAT_ABBREVIATED_AND_SPREADSHEET) {
    printLine("printToFile(): invalid format type.");
    return false;
  }
  SummaryFile file(calls);
  if (!file.open(fileName)) {
    printLine("printToFile(): unable to open file.");
    return false;
  }
  std::ostream out(file.buffer());
  writeSummary(out, formatCode);
  if (!file.commit(out.good())) {
    printLine("printToFile(): error writing file.");
    return false;
  }
  return true;
}

}  // namespace veldarin
