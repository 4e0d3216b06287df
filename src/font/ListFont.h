// The font the list's rows are drawn in: its description and the one font object.
#pragma once

#include "../framework/Gdi.h"

using ListFontSettings = LOGFONTW;

// Tahoma, a 10-pixel cell, regular weight, antialiased.
ListFontSettings StartupListFontSettings();

// Holds the list font; deletes the font it holds last at program exit.
extern CFont ListFont;

// Makes a font from settings for ListFont; when none can be made ListFont keeps its font.
void CreateListFont(const ListFontSettings& settings);
