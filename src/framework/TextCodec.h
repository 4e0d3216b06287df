// UTF-16 text and the 8-bit text in which every text crosses a file boundary: the
// ANSI code page, or UTF-8 for a file whose texts the code page cannot hold.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

enum class TextEncoding {
    Ansi,  // the ANSI code page, whatever it is (UTF-8 too, where the system chose it)
    Utf8,
};

// A file in UTF-8 begins with it; a file in the ANSI code page never does.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The code page of the bytes: UTF-8 is CP_UTF8 (65001), and so may the ANSI code page be.
unsigned CodePageOf(TextEncoding encoding);

// True when every character of text has a place of its own in the ANSI code page.
bool FitsAnsiCodePage(std::wstring_view text);

// UTF-16 to 8-bit text, added to the end of out. In the ANSI code page a character
// that it lacks becomes its default character. Never cut.
void AppendNarrowText(std::wstring_view text, std::string& out, TextEncoding encoding = TextEncoding::Ansi);
// 8-bit text back to UTF-16, into out in place of what it held.
void WidenText(const char* text, size_t length, std::wstring& out, TextEncoding encoding = TextEncoding::Ansi);
