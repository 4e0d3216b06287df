// The bare counterparts: plain Win32 and plain C++ doing the work that Gromble's
// commands do, with none of the program's code.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The main window's dialog template (102) created by CreateDialogParamW with a
// dialog procedure that handles nothing; it shows itself (the template is WS_VISIBLE).
HWND CreateBareDialog();

// One item of a list file as the bare reader keeps it.
struct BareRecord {
    int mark = 0;
    std::string name;
    std::string quantity;
    std::string location;
    std::string price;
};

// Reads a list file line by line: the row count, then five lines per item.
std::vector<BareRecord> BareReadList(const wchar_t* path);
// Reads a system list file: a list file's lines, then "0", the font line (height,
// bold, italic, underline, antialiased) and the face name, which go into font.
std::vector<BareRecord> BareReadSystemList(const wchar_t* path, LOGFONTW& font);
// Writes bytes to path with one fwrite; false when that failed.
bool BareWrite(const wchar_t* path, const std::string& bytes);

// Tahoma, a 10-pixel cell, antialiased: what a system list file's font line gives
// when it reads "10 0 0 0 1" and "Tahoma".
LOGFONTW BareDefaultFont();
