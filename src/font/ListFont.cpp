#include "ListFont.h"

#include "../framework/Dpi.h"

#include <algorithm>

static_assert(FontQualityDefault == DEFAULT_QUALITY && FontQualityAntialiased == ANTIALIASED_QUALITY &&
              FontQualityClearType == CLEARTYPE_QUALITY);
static_assert(FontWeightNormal == FW_NORMAL && FontWeightBold == FW_BOLD);
static_assert(FontFaceLengthLimit == LF_FACESIZE - 1);

LOGFONTW LogFontOf(const ListFontSettings& settings, UINT dpi)
{
    LOGFONTW font = {};
    font.lfHeight = ScaleToDpi(settings.height, dpi);
    font.lfWeight = settings.weight;
    font.lfItalic = settings.italic ? 1 : 0;
    font.lfUnderline = settings.underline ? 1 : 0;
    font.lfCharSet = ANSI_CHARSET;
    font.lfQuality = static_cast<BYTE>(settings.quality);
    font.lfPitchAndFamily = FF_SWISS | DEFAULT_PITCH;
    const std::wstring face = FittedFaceName(settings.face);
    std::copy(face.begin(), face.end(), font.lfFaceName);
    return font;
}

bool CListFont::Create(const ListFontSettings& settings, UINT dpi)
{
    const LOGFONTW description = LogFontOf(settings, dpi);
    if (!m_font.CreateFontIndirect(&description))
        return false;
    m_settings = settings;
    return true;
}
