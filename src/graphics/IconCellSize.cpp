#include "graphics/IconCellSize.h"

#include <cmath>

IconCellSize IconCellSizeFor(int innerWidth, int innerHeight)
{
    // nearbyint rounds halves to even in the default rounding mode.
    return {std::int16_t(std::nearbyint(innerWidth / 10.0)), std::int16_t(std::nearbyint(double(innerHeight)))};
}
