// The main window's own messages and timers.
#pragma once

#include <windows.h>

// Posted by the start when the system list file could not be read whole: the
// Warning is shown once the window stands.
constexpr UINT WM_SHOW_START_NOTICE = WM_APP + 1;
// Posted when a list file is handed to the window: it is opened from the window's
// own message loop, once no box or menu of the window is open.
constexpr UINT WM_OPEN_HANDED_FILE = WM_APP + 2;

// A few seconds after a change, the list and its font are stored.
constexpr UINT_PTR TimerStoreAfterChange = 0x4753;
