// UTF-16 text and the 8-bit text of the ANSI code page, in which every text
// crosses a file boundary and every price is counted.
#pragma once

#include "String.h"

#include <string>

// UTF-16 to the ANSI code page; a character the code page lacks becomes its
// default character. Never cut.
std::string NarrowText(const CString& text);
// The ANSI code page back to UTF-16.
CString WidenText(const char* text);
