#pragma once

#include <string>

#include "read/statblock/statblock.h"

namespace veldarin {

// A monster's statblock holds an armor class, hit points or ability scores.
bool isMonsterStatblock(const Statblock& block);

// A Pathfinder statblock holds its ability scores or its rating under their own keys.
bool isPathfinderStatblock(const Statblock& block);

// Front matter that is a statblock says so: "statblock: true".
bool marksStatblock(const Statblock& block);

// The lines of the plain block its edition prints from the statblock, each ending in "\n".
std::string statblockLines(const Statblock& block);

}  // namespace veldarin
