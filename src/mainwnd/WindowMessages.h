// The main window's own messages and timers.
#pragma once

#include <windows.h>

// Posted when the system list file could not be read whole, at the start or after
// another machine wrote it: the Warning is shown from the window's own message loop.
constexpr UINT WM_SHOW_FILE_NOTICE = WM_APP + 1;
// Posted when a list file is handed to the window: it is opened from the window's
// own message loop, once no box or menu of the window is open.
constexpr UINT WM_OPEN_HANDED_FILE = WM_APP + 2;

// A file of the data folder was written, made, renamed or removed.
constexpr UINT WM_DATA_FOLDER_CHANGED = WM_APP + 3;

// A few seconds after a change, the list and its font are stored.
constexpr UINT_PTR TimerStoreAfterChange = 0x4753;
// Every moment the window looks whether another machine wrote the system list file:
// a shared folder may send no notice of it.
constexpr UINT_PTR TimerLookAtFile = 0x4754;
