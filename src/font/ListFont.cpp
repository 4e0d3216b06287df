#include "ListFont.h"

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

bool CListFont::Create(const ListFontSettings& settings)
{
    return m_font.CreateFontIndirect(&settings) != FALSE;
}

ListFontSettings CListFont::Settings() const
{
    ListFontSettings settings = {};
    if (m_font.GetLogFont(&settings) != static_cast<int>(sizeof(settings)))
        return StartupListFontSettings();
    return settings;
}
