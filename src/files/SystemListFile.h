// The system list file, which carries the list and the list font from one run to
// the next: a list body, a line holding 0, the font line and the face name.
#pragma once

#include "ListBody.h"

#include <windows.h>

#include <cstdio>

// A bare name: the file lies in the folder that is current at start-up.
extern const wchar_t SystemListFileName[];

// Writes the whole file; false when the stream failed.
bool WriteSystemList(std::FILE* stream, const CItemListCtrl& list, const LOGFONTW& font);

// Reads the whole file. settings come in with their start-up values; the height is
// always taken from the font line (0 when it is missing), bold, italic, underline
// and antialiasing only when set there, and the face name only when its line is there.
void ReadSystemList(std::FILE* stream, const ItemSink& sink, LOGFONTW& settings);
