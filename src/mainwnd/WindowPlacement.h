// Where the user left the main window, kept for each user (HKCU\Software\Gromble)
// and given back at the next start: its place and size when not maximized, whether it
// was maximized, and the list's column widths that the user set. All in pixels at 96
// DPI, so that they survive a change of scale. Nothing of it goes into the list files.
#pragma once

#include "../listview/ItemListCtrl.h"

#include <windows.h>

// Puts window back where it was left, drawn at dpi; a place on a monitor that is no
// longer there comes back on the nearest one. Nothing changes when nothing was kept.
void RestoreWindowPlace(HWND window, UINT dpi, CItemListCtrl& list);
// Keeps where window is now.
void SaveWindowPlace(HWND window, UINT dpi, const CItemListCtrl& list);

// rect, moved onto the monitor nearest to it when it lies on none.
RECT OnAMonitor(const RECT& rect);
