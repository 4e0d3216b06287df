// Which of the program's drawn image sizes suits a DPI: its images exist at 100 %
// (96 DPI), 125 %, 150 % and 200 % (res/resource.h), and a screen takes the
// nearest scale at or above its own, so that an image is never shown smaller
// than it was drawn for (a 110-DPI screen takes 125 %, 168 DPI takes 200 %).
#pragma once

#include "../res/resource.h"

#include <windows.h>

// The scale for dpi, in percent: 100, 125, 150 or 200.
inline UINT ImageScalePercent(UINT dpi)
{
    if (dpi <= 96)
        return 100;
    if (dpi <= 120)
        return 125;
    if (dpi <= 144)
        return 150;
    return 200;
}

// The resource id of the 100 % bitmap `id` drawn at the scale for dpi.
inline UINT ScaledImageId(UINT id, UINT dpi)
{
    switch (ImageScalePercent(dpi)) {
    case 125:
        return id + IMAGE_SCALE_125;
    case 150:
        return id + IMAGE_SCALE_150;
    case 200:
        return id + IMAGE_SCALE_200;
    default:
        return id;
    }
}

// The side, in pixels, of one image that is `size100` pixels at 100 %, at the scale
// for dpi, rounded to the nearest pixel as the images are drawn: 16 gives 20, 24 or
// 32; the tool bar's 15 gives 19, 23 or 30; an icon's 32 gives 40, 48 or 64.
inline int ScaledImageSize(int size100, UINT dpi)
{
    return (size100 * static_cast<int>(ImageScalePercent(dpi)) + 50) / 100;
}
