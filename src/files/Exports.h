// The two exports of the list's items: a tab-separated text table and an HTML page.
// Neither holds the closing rows or the total. Both are in the ANSI code page when
// every text fits it, else in UTF-8.
#pragma once

#include "../list/ItemRows.h"

#include <cstdio>

// False when the stream failed.
bool WriteTextExport(std::FILE* stream, const CItemRows& items);
bool WriteHtmlExport(std::FILE* stream, const CItemRows& items);
