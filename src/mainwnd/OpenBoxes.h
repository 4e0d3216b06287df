// Whether the user is busy with a question, a file dialog or a menu of a window: what
// comes from outside meanwhile (a list file handed over, a list another machine
// wrote) waits until it has closed, so that the command that opened it goes on with
// the rows it had.
#pragma once

#include <windows.h>

bool BoxOrMenuIsOpen(HWND window);
