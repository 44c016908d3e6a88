#pragma once
// AAX_Point: a size or position in a view, in pixels as floats; vertical first.
// A plain struct that crosses the boundary.

#include <cstddef>

struct AAX_Point {
    float vert;  // height, or y
    float horz;  // width, or x
};
static_assert(sizeof(AAX_Point) == 8, "two floats");
static_assert(offsetof(AAX_Point, vert) == 0 && offsetof(AAX_Point, horz) == 4, "vertical first");
