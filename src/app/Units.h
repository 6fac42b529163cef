#pragma once
// Twips and the 16-bit conversions used for every on-label coordinate.
#include <cmath>
#include <cstdint>
#include <limits>

namespace units {

constexpr int TwipsPerInch = 1440;

// Nearest integer with ties to even (the rounding of the label's file format
// and of every float-to-16-bit conversion). Values outside the 16-bit range
// saturate instead of wrapping, so a huge coordinate can never turn negative.
inline int16_t CInt(double v)
{
    if (std::isnan(v))
        return 0;
    double r = std::nearbyint(v); // default rounding mode is to-nearest-even
    if (r > std::numeric_limits<int16_t>::max())
        return std::numeric_limits<int16_t>::max();
    if (r < std::numeric_limits<int16_t>::min())
        return std::numeric_limits<int16_t>::min();
    return static_cast<int16_t>(r);
}

// 32-bit version of the same rounding, for sizes that may exceed 16 bits.
inline int32_t CLng(double v)
{
    if (std::isnan(v))
        return 0;
    double r = std::nearbyint(v);
    if (r > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (r < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(r);
}

inline int inchesToTwips(double inches) { return CLng(inches * TwipsPerInch); }
inline double twipsToInches(double twips) { return twips / TwipsPerInch; }

// An inch is exactly 25.4 mm, so 1 mm is 1440 / 25.4 (about 56.69) twips.
constexpr double MillimetresPerInch = 25.4;
inline double twipsToMillimetres(double twips) { return twips * MillimetresPerInch / TwipsPerInch; }
inline double millimetresToTwips(double mm) { return mm * TwipsPerInch / MillimetresPerInch; }
inline double inchesToMillimetres(double inches) { return inches * MillimetresPerInch; }
inline double millimetresToInches(double mm) { return mm / MillimetresPerInch; }

// Twips one pixel covers on a device of this logical resolution (dots per
// inch). A device reporting no resolution is taken for a common 96 dpi screen
// rather than dividing by 0.
inline double twipsPerPixel(double logicalDpi) { return TwipsPerInch / (logicalDpi > 0 ? logicalDpi : 96.0); }

} // namespace units
