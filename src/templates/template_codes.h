#pragma once

namespace veldarin {

inline constexpr int TEMPLATE_NONE = 0;
inline constexpr int TEMPLATE_CELESTIAL = 1;
inline constexpr int TEMPLATE_FIENDISH = 2;

}  // namespace veldarin
