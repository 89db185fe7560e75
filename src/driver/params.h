#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "output/format_codes.h"
#include "templates/template_codes.h"

namespace veldarin {

// How a command line was taken: run on, or stop because what was asked for (the usage text,
// the version) is printed, or because the usage text was printed for a refused command line.
enum class Parse { RUN, ANSWERED, REFUSED };

// The settings of one run, all from the command line.
struct Params {
  // Fills every field from the arguments. ANSWERED after the usage text asked for (a "?" or
  // "h" switch, "--help") or the license line ("--version", which follows the banner's
  // version); REFUSED after the usage text for a third plain argument.
  Parse parseParams(int argc, const char* const* argv);

  // True when both codes are in range and the input and output are not the same file;
  // otherwise prints one message and returns false.
  bool paramsErrorCheck() const;

  // The range checks alone, for front ends without files.
  bool codesErrorCheck() const;

  std::string inFile;
  std::string outFile;
  int formatCode = FORMAT_ABBREVIATED;
  // None when the /t list was refused.
  std::optional<TemplateSet> templates = TemplateSet{0};
  // The rating row that /c asks every monster moved to; refused when /c was not a rating.
  std::optional<std::size_t> scaleRow;
  bool scaleRefused = false;
  int pauseAtEnd = 0;
};

void printUsage();

}  // namespace veldarin
