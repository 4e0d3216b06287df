// The list body of list files and of the system list file: the row count, the
// closing rows included, then five lines per item (mark, name, quantity,
// location, price), the top row first.
#pragma once

#include "../list/ItemRows.h"
#include "TextReader.h"

#include <cstdio>

// Writes the body of items; false when the stream failed.
bool WriteListBody(std::FILE* stream, const CItemRows& items);

// Reads the rest of stream as a body into items, which it fills from empty. False
// when the stream reports an error or memory runs out: what was read is then no
// list to take.
bool ReadListBody(std::FILE* stream, CItemRows& items);
// The same from text. Only whole records become items: the reading ends at the
// first record that the text cuts short, whatever the row count announced, and the
// text then stands after the white space that follows the last record taken. False
// when memory runs out.
bool ReadListBody(CTextReader& text, CItemRows& items);
