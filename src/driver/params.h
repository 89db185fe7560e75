#pragma once

#include <string>

#include "output/format_codes.h"
#include "templates/template_codes.h"

namespace veldarin {

// The settings of one run, all from the command line.
struct Params {
  // Fills every field from the arguments. False when the usage text was printed instead (a
  // "?" or "h" switch, "--help", or a third plain argument) or the license line ("--version",
  // which follows the banner's version); the run then stops.
  bool parseParams(int argc, const char* const* argv);

  // True when both codes are in range and the input and output are not the same file;
  // otherwise prints one message and returns false.
  bool paramsErrorCheck() const;

  // The range checks alone, for front ends without files.
  bool codesErrorCheck() const;

  std::string inFile;
  std::string outFile;
  int formatCode = FORMAT_ABBREVIATED;
  int templateCode = TEMPLATE_NONE;
  int pauseAtEnd = 0;
};

void printUsage();

}  // namespace veldarin
