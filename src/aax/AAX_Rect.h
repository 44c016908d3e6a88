#pragma once
// AAX_Rect: an area of a view, in pixels as floats: the top-left corner, then the
// extent. A plain struct that crosses the boundary (the editor's Draw).

#include <cstddef>

struct AAX_Rect {
    float top;
    float left;
    float width;
    float height;
};
static_assert(sizeof(AAX_Rect) == 16, "four floats");
static_assert(offsetof(AAX_Rect, top) == 0 && offsetof(AAX_Rect, left) == 4 && offsetof(AAX_Rect, width) == 8 &&
                  offsetof(AAX_Rect, height) == 12,
              "corner first, then the extent");
