#pragma once

namespace veldarin {

inline constexpr int FORMAT_ABBREVIATED = 1;
inline constexpr int FORMAT_FULL = 2;
inline constexpr int FORMAT_SPREADSHEET = 3;
inline constexpr int FORMAT_ABBREVIATED_AND_SPREADSHEET = 4;

}  // namespace veldarin
