// Texts cross every file boundary as 8-bit text in the ANSI code page.
#pragma once

#include "../framework/String.h"

#include <string>

// UTF-16 to the ANSI code page; a character the code page lacks becomes its
// default character. Never cut.
std::string NarrowText(const CString& text);
// The ANSI code page back to UTF-16.
CString WidenText(const char* text);
