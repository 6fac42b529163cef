#pragma once
// The two ready-made label sizes, in inches. Settings, the label-size commands
// and the options dialog all take them from here.
#include <cstdint>

namespace labelsizes {

struct Preset {
    int16_t type; // 0 beer, 1 wine (2 is a custom size)
    double height;
    double width;
};

inline constexpr Preset Beer{0, 3.75, 3.0};
inline constexpr Preset Wine{1, 4.0, 5.0};
inline constexpr int16_t CustomType = 2;

// The preset of a label type; nullptr for a custom size or an unknown type.
inline constexpr const Preset* forType(int16_t type)
{
    return type == Beer.type ? &Beer : type == Wine.type ? &Wine : nullptr;
}

} // namespace labelsizes
