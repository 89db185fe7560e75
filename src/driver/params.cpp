#include "driver/params.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

#include "monster/ascii.h"
#include "read/to_int.h"
#include "system/console.h"
#include "system/platform.h"
#include "templates/rating_scale.h"

namespace veldarin {

namespace {

constexpr std::array<std::string_view, 13> usageLines{
    "Usage: VELDARIN [infile][outfile][/f#][/t#][/c#]",
    "Generates summary D&D monster statistics.",
    "  infile  - text file with full description (default: \"monster.txt\")",
    "             Format is: top line, group name (if any); 1st line, name;",
    "               2nd line, type; 3rd line, hit dice; etc.",
    "  outfile - text file with summary result   (default: \"summary.txt\")",
    "  /f#     - printing format, codes:",
    "              1=abbreviated, 2=full desc., 3=spreadsheet form, 4=1&3",
    "  /t#     - add template to each monster, codes:",
    "              1=celestial, 2=fiendish, 3=advanced, 4=giant, 5=young,",
    "              6=entropic, 7=resolute; several joined by commas: /t3,2",
    "  /c#     - scale fifth-edition monsters to a challenge rating:",
    "              0, 0.125, 0.25, 0.5 or 1-30",
};

constexpr std::string_view LICENSE_LINE =
    "Copyright (c) 2026 The VELDARIN developers, MIT License.";

// A switch begins with "-", or with "/" and holds no other "/", so "/tmp/out.txt" is a path.
bool isSwitch(std::string_view argument) {
  if (argument.starts_with('-')) return true;
  return argument.starts_with('/') && argument.find('/', 1) == std::string_view::npos;
}

// "3,2": codes of digits joined by commas, each at most once, 0 only alone; none for any other
// text.
std::optional<TemplateSet> templateCodes(std::string_view value) {
  TemplateSet templates = 0;
  int given = 0;
  bool none = false;
  while (true) {
    const std::size_t comma = value.find(',');
    const std::string_view code = value.substr(0, comma);
    if (code.empty() || !std::all_of(code.begin(), code.end(), isDigitChar)) return std::nullopt;
    const int number = toInt(code);
    if (number > TEMPLATE_LAST || asks(templates, number)) return std::nullopt;
    ++given;
    none = none || number == TEMPLATE_NONE;
    templates |= templateBit(number);
    if (comma == std::string_view::npos) break;
    value.remove_prefix(comma + 1);
  }
  if (none && given > 1) return std::nullopt;
  return templates;
}

}  // namespace

void printUsage() {
  for (const std::string_view line : usageLines) printLine(line);
}

Parse Params::parseParams(int argc, const char* const* argv) {
  inFile = "monster.txt";
  outFile = "summary.txt";
  templates = TemplateSet{0};
  scaleRow.reset();
  scaleRefused = false;
  pauseAtEnd = 0;
  formatCode = FORMAT_ABBREVIATED;

  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    // The two long options every Unix user and packaging tool tries first.
    if (argument == "--help") {
      printUsage();
      return Parse::ANSWERED;
    }
    if (argument == "--version") {
      printLine(LICENSE_LINE);
      return Parse::ANSWERED;
    }
    if (isSwitch(argument)) {
      if (argument.size() < 2) continue;
      const std::string_view value = argument.substr(2);
      switch (toLowerAscii(argument[1])) {
        case '?':
        case 'h':
          printUsage();
          return Parse::ANSWERED;
        case 'f':
          formatCode = toInt(value);
          break;
        case 't':
          templates = templateCodes(value);
          break;
        case 'c':
          scaleRow = targetRow(value);
          scaleRefused = !scaleRow;
          break;
        case 'q':
          pauseAtEnd = 1;
          break;
        default:
          break;
      }
    } else if (i == 1) {
      inFile = argument;
    } else if (i == 2) {
      outFile = argument;
    } else {
      printUsage();
      return Parse::REFUSED;
    }
  }
  return Parse::RUN;
}

bool Params::paramsErrorCheck() const {
  if (!codesErrorCheck()) return false;
  // However it is spelled (./t.txt, a link), the table must never be overwritten by its summary.
  std::error_code error;
  if (std::filesystem::equivalent(pathFromUtf8(inFile), pathFromUtf8(outFile), error)) {
    printLine("paramsErrorCheck(): The infile and outfile are the same file.");
    return false;
  }
  return true;
}

bool Params::codesErrorCheck() const {
  if (formatCode < FORMAT_ABBREVIATED || formatCode > FORMAT_ABBREVIATED_AND_SPREADSHEET) {
    printLine("paramsErrorCheck(): The [/f#] parameter only has valid values of 1-4.");
    return false;
  }
  if (!templates || !combinable(*templates)) {
    printLine(
        "paramsErrorCheck(): The [/t#] parameter only has valid values of 0-7, each at most once, "
        "joined by commas, with at most one of 1, 2, 6 and 7 and not both 4 and 5.");
    return false;
  }
  if (scaleRefused) {
    printLine(
        "paramsErrorCheck(): The [/c#] parameter only has valid values of 0, 0.125, 0.25, 0.5 and "
        "1-30.");
    return false;
  }
  return true;
}

}  // namespace veldarin
