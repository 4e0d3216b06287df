// The font the list's rows are drawn in: its description and the font made from it.
#pragma once

#include "../framework/Gdi.h"

using ListFontSettings = LOGFONTW;

// Tahoma, a 10-pixel cell, regular weight, antialiased.
ListFontSettings StartupListFontSettings();

class CListFont {
public:
    // Makes the font from settings; when none can be made the font held stays.
    bool Create(const ListFontSettings& settings);
    // The description of the font held, or the start-up settings when none is held.
    ListFontSettings Settings() const;
    HFONT GetSafeHandle() const { return m_font; }
    bool IsEmpty() const { return m_font.IsEmpty(); }

private:
    CFont m_font;
};
