// The handheld's screen: a full-screen dialog has a client area of 240 by 268
// pixels above the menu bar along the bottom, at 96 DPI; at another DPI the same
// scaled by DPI / 96.
#pragma once

#include <windows.h>

namespace HandheldScreen {

constexpr int Width = 240;
constexpr int HeightAboveBar = 268;

// Sizes a dialog so that its client area is the screen above the menu bar at dpi.
void FitDialog(HWND dialog, UINT dpi);

// Grows or shrinks a window so that its client area gets taller by deltaHeight.
void GrowClientHeight(HWND window, int deltaHeight);

}  // namespace HandheldScreen
