// The main window's questions and notices: message boxes captioned "Warning", where
// only Yes goes on.
#pragma once

#include "../framework/String.h"

// A notice with an OK button.
void ShowWarning(HWND owner, const CString& text);
// A question; true when the user answers Yes.
bool AskWarning(HWND owner, const CString& question);
// New's question, asked too before a list file handed to the window replaces a list
// with items.
bool AskToClearList(HWND owner);
