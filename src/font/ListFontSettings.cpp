#include "ListFontSettings.h"

#include <algorithm>

ListFontSettings StartupListFontSettings()
{
    ListFontSettings settings;
    settings.face = L"Tahoma";
    settings.height = 10;
    settings.weight = FontWeightNormal;
    settings.quality = FontQualityAntialiased;
    return settings;
}

std::wstring FittedFaceName(std::wstring_view face)
{
    size_t length = std::min(face.size(), face.find(L'\0'));
    if (length > FontFaceLengthLimit) {
        length = FontFaceLengthLimit;
        const wchar_t last = face[length - 1];
        if (last >= 0xD800 && last <= 0xDBFF)  // the first half of a surrogate pair
            --length;
    }
    return std::wstring(face.substr(0, length));
}
