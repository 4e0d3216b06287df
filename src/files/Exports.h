// The two exports of the list's items: a tab-separated text table and an HTML page.
// Neither holds the closing rows or the total.
#pragma once

#include "../framework/String.h"
#include "../list/ItemRow.h"

#include <cstdio>
#include <vector>

// False when the stream failed.
bool WriteTextExport(std::FILE* stream, const std::vector<ItemRow>& items);
bool WriteHtmlExport(std::FILE* stream, const std::vector<ItemRow>& items);

// "Yes" for a ticked row, "No" for every other mark.
const char* CheckWord(int mark);
// & < > " and ' as character references, so that an item text stays text in a page.
CString EscapeHtml(const CString& text);
