#include "Snap.h"

#include <cmath>

#include "app/Units.h"

namespace snap {

int16_t toGrid(double value, int grid)
{
    if (grid <= 0 || !std::isfinite(value))
        return units::CInt(value);
    return units::CInt(grid * std::floor(value / grid));
}

} // namespace snap
