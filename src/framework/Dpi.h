// Dots per inch: the layout is written in pixels at 96 DPI and scaled to the DPI of
// the monitor a window is on. The functions of newer systems are looked up, so that
// the program still runs where they are missing (the screen's DPI stands in).
#pragma once

#include <windows.h>

constexpr UINT DefaultDpi = 96;

// pixels at 96 DPI, at dpi: rounded to the nearest pixel, halves away from zero.
inline int ScaleToDpi(int pixels, UINT dpi)
{
    return ::MulDiv(pixels, static_cast<int>(dpi), static_cast<int>(DefaultDpi));
}
// pixels at dpi, at 96 DPI.
inline int ScaleFromDpi(int pixels, UINT dpi)
{
    return ::MulDiv(pixels, static_cast<int>(DefaultDpi), static_cast<int>(dpi));
}

// The DPI that window is drawn at.
UINT DpiOfWindow(HWND window);
// The window rectangle around a client rectangle, with the frame's sizes at dpi.
BOOL AdjustWindowRectForDpi(RECT* rect, DWORD style, DWORD exStyle, UINT dpi);
// The system's message font (the one of message boxes and bars) at dpi.
LOGFONTW MessageFontForDpi(UINT dpi);
