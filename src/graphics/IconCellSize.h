#pragma once

#include <cstdint>

// The size of one icon click cell: the sheet box's inner height, and a tenth
// of its inner width, each rounded to whole pixels with halves to even
// (285 / 10 gives 28, 295 / 10 gives 30).
struct IconCellSize {
    std::int16_t width;
    std::int16_t height;
};

IconCellSize IconCellSizeFor(int innerWidth, int innerHeight);
