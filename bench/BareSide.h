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
// Writes bytes to path with one fwrite; false when that failed.
bool BareWrite(const wchar_t* path, const std::string& bytes);

// List views without owner drawing
// Gives `to` the columns of `from` (headings, formats, widths).
void CopyColumns(HWND from, HWND to);
// Inserts the records, copies times over, with redrawing off.
void FillBareList(HWND list, const std::vector<BareRecord>& records, int copies);
// Inserts every row of `from`, its four texts and its image, with redrawing off.
void CopyRows(HWND from, HWND to);
// Deletes the last `count` rows one by one with LVM_DELETEITEM, redrawing off
// while it runs, then invalidates the list.
void DeleteBareRows(HWND list, int count);
// Deletes every row (not timed).
void ClearBareList(HWND list);
