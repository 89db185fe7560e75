#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "read/json/json_values.h"

namespace veldarin {

// Calls `each` with every monster of a tool's JSON file, in file order, as the lines of the
// plain block its tool draws (`pathfinder` for a Pathfinder block, else fifth edition). False,
// with the problem and no call, when the file is no valid JSON.
// The text is let go once parsed.
bool readJsonMonsters(std::string&& text,
                      const std::function<void(const std::string& lines, bool pathfinder)>& each,
                      JsonProblem& problem);

}  // namespace veldarin
