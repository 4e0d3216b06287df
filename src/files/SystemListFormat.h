// The format of the system list file, which carries the list and the list font from
// one run to the next: a list body, a line holding 0, the font line and the face name.
#pragma once

#include "../font/ListFontSettings.h"
#include "../list/ItemRows.h"

#include <cstdio>

// The file's name, in the data folder (where CSystemListDisk is told it lies).
extern const wchar_t SystemListFileName[];

// Writes the whole file; false when the stream failed.
bool WriteSystemList(std::FILE* stream, const CItemRows& items, const ListFontSettings& font);

// How much of a system list file stood in it.
enum class SystemListRead {
    Failed,   // the stream failed or memory ran out: what was read is no list to take
    Damaged,  // it ended or broke off before its last line: the items are the whole records read
    Whole,    // every record that its count announced, and the font lines
};

// Reads the whole file into items, filled from empty. settings come in with their
// start-up values; the height is always taken from the font line (0 when it is
// missing), bold, italic, underline and antialiasing only when set there (antialiasing
// as the start-up quality), and the face name only when its line is there.
SystemListRead ReadSystemList(std::FILE* stream, CItemRows& items, ListFontSettings& settings);
