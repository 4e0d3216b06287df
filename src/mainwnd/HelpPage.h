// The help page, shown by the system's browser: the page installed beside the
// program, or else the program's own copy, written to the temporary folder first.
#pragma once

// A browser that cannot be started shows nothing.
void ShowHelpPage();
