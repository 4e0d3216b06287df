// The two exports of the list's items: a tab-separated text table and an HTML page.
// Neither holds the closing rows or the total.
#pragma once

#include "../framework/String.h"
#include "../list/ItemRows.h"

#include <cstdio>

// False when the stream failed.
bool WriteTextExport(std::FILE* stream, const CItemRows& items);
bool WriteHtmlExport(std::FILE* stream, const CItemRows& items);

// "Yes" for a ticked row, "No" for every other mark.
const char* CheckWord(int mark);
// & < > " and ' as character references, so that an item text stays text in a page.
CString EscapeHtml(const CString& text);
