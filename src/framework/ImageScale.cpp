#include "ImageScale.h"

namespace {

struct Scale {
    UINT highestDpi;
    int percent;
    UINT idOffset;
};

constexpr Scale kScales[] = {{120, 125, 2000}, {144, 150, 3000}, {UINT(-1), 200, 4000}};

}  // namespace

ScaledImage ScaledImageFor(UINT id, UINT dpi, const wchar_t* type)
{
    if (dpi <= 96)
        return {id, 100};
    for (const Scale& scale : kScales) {
        if (dpi > scale.highestDpi)
            continue;
        if (::FindResourceW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id + scale.idOffset), type) == nullptr)
            break;
        return {id + scale.idOffset, scale.percent};
    }
    return {id, 100};
}
