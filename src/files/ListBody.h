// The list body of list files and of the system list file: the row count, the
// closing rows included, then five lines per item (mark, name, quantity,
// location, price), the top row first.
#pragma once

#include "../list/ItemRows.h"
#include "TextReader.h"
#include "TextWriter.h"

#include <cstdio>

// The encoding in which a file holds the items: the ANSI code page, as other programs
// and older copies read the program's files, when every text fits it; else UTF-8.
TextEncoding EncodingToHold(const CItemRows& items);

// Writes a list file of items, in the encoding that holds them; false when the
// stream failed.
bool WriteListBody(std::FILE* stream, const CItemRows& items);
// Writes the body of items to out.
void WriteListBody(CTextWriter& out, const CItemRows& items);

// Reads the rest of stream as a body into items, which it fills from empty. False
// when the stream reports an error or memory runs out: what was read is then no
// list to take.
bool ReadListBody(std::FILE* stream, CItemRows& items);
// The same from text. Only whole records become items: the reading ends at the
// first record that the text cuts short, whatever the row count announced, and the
// text then stands after the white space that follows the last record taken. False
// when memory runs out.
bool ReadListBody(CTextReader& text, CItemRows& items);
