#pragma once

namespace veldarin {

inline constexpr int TEMPLATE_NONE = 0;
inline constexpr int TEMPLATE_CELESTIAL = 1;
inline constexpr int TEMPLATE_FIENDISH = 2;
inline constexpr int TEMPLATE_ADVANCED = 3;
inline constexpr int TEMPLATE_GIANT = 4;
inline constexpr int TEMPLATE_YOUNG = 5;
inline constexpr int TEMPLATE_ENTROPIC = 6;
inline constexpr int TEMPLATE_RESOLUTE = 7;
inline constexpr int TEMPLATE_LAST = TEMPLATE_RESOLUTE;

// The templates asked for: a bit for each code from 1 to 7; none is 0.
using TemplateSet = unsigned;

constexpr TemplateSet templateBit(int code) {
  return code > TEMPLATE_NONE && code <= TEMPLATE_LAST ? 1U << code : 0U;
}

constexpr bool asks(TemplateSet templates, int code) {
  return (templates & templateBit(code)) != 0;
}

constexpr TemplateSet ALIGNMENT_TEMPLATES =
    templateBit(TEMPLATE_CELESTIAL) | templateBit(TEMPLATE_FIENDISH) |
    templateBit(TEMPLATE_ENTROPIC) | templateBit(TEMPLATE_RESOLUTE);

// Whether the templates may be applied together: codes 1 to 7 only, at most one of celestial,
// fiendish, entropic and resolute, and not giant with young.
constexpr bool combinable(TemplateSet templates) {
  const TemplateSet all = (1U << (TEMPLATE_LAST + 1)) - 2U;
  const TemplateSet alignment = templates & ALIGNMENT_TEMPLATES;
  return (templates & ~all) == 0 && (alignment & (alignment - 1)) == 0 &&
         !(asks(templates, TEMPLATE_GIANT) && asks(templates, TEMPLATE_YOUNG));
}

}  // namespace veldarin
