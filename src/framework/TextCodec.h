// UTF-16 text and the 8-bit text of the ANSI code page, in which every text
// crosses a file boundary.
#pragma once

#include "String.h"

#include <string>
#include <string_view>

// UTF-16 to the ANSI code page; a character the code page lacks becomes its
// default character. Never cut.
std::string NarrowText(const CString& text);
// The same, added to the end of out.
void AppendNarrowText(std::wstring_view text, std::string& out);
// The ANSI code page back to UTF-16.
CString WidenText(const char* text);
// The same for length bytes, into out in place of what it held.
void WidenText(const char* text, size_t length, std::wstring& out);
