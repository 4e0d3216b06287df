#include "ListFont.h"

CFont ListFont;

ListFontSettings StartupListFontSettings()
{
    ListFontSettings settings = {};
    settings.lfHeight = 10;
    settings.lfWeight = FW_NORMAL;
    settings.lfCharSet = ANSI_CHARSET;
    settings.lfQuality = ANTIALIASED_QUALITY;
    settings.lfPitchAndFamily = FF_SWISS | DEFAULT_PITCH;
    lstrcpynW(settings.lfFaceName, L"Tahoma", LF_FACESIZE);
    return settings;
}

void CreateListFont(const ListFontSettings& settings)
{
    ListFont.CreateFontIndirect(&settings);
}
