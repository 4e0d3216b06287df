// Images drawn for 100, 125, 150 and 200 %: the resource of the 100 % image keeps
// its id, the others have it plus the offsets in res/resource.h.
#pragma once

#include <windows.h>

struct ScaledImage {
    UINT id;      // the resource
    int percent;  // the scale it is drawn for
    // size pixels at 100 %, at the image's scale.
    int Size(int size) const { return ::MulDiv(size, percent, 100); }
};

// The image of resource type drawn for dpi: the nearest scale at or above it, or the
// 100 % image where the program has none of that scale.
ScaledImage ScaledImageFor(UINT id, UINT dpi, const wchar_t* type = RT_BITMAP);
