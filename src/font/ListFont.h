// The font made from the list font's settings, which the list control draws its rows in.
#pragma once

#include "../framework/Gdi.h"
#include "ListFontSettings.h"

// The platform's description of the font that settings describe, at dpi: the
// settings' height is in pixels at 96 DPI.
LOGFONTW LogFontOf(const ListFontSettings& settings, UINT dpi = 96);

class CListFont {
public:
    // Makes the font from settings, at dpi; when none can be made the font held stays.
    bool Create(const ListFontSettings& settings, UINT dpi);
    // The settings of the font held, or the start-up settings when none is held.
    const ListFontSettings& Settings() const { return m_settings; }
    HFONT GetSafeHandle() const { return m_font; }
    bool IsEmpty() const { return m_font.IsEmpty(); }

private:
    CFont m_font;
    ListFontSettings m_settings = StartupListFontSettings();
};
