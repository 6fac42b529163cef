#pragma once
// Dropping on the grid: positions go down to the grid line at or before them.
#include <cstdint>

namespace snap {

// grid × ⌊value ÷ grid⌋ as a 16-bit position: toward minus infinity, so -50 on
// a 120 grid is -120. A grid of zero or less leaves the value (rounded half to
// even) as it is; results beyond the 16-bit range saturate.
int16_t toGrid(double value, int grid);

} // namespace snap
