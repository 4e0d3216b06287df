// Reads the 8-bit text of the program's files, held whole in memory: numbers as
// the C runtime's scanf reads them, and lines whole, whatever their length,
// ended by LF or CR LF. A text that begins with the UTF-8 byte-order mark is in
// UTF-8, any other in the ANSI code page.
#pragma once

#include "../framework/TextCodec.h"

#include <cstdio>
#include <string>
#include <string_view>

// The rest of stream, whole; false when the stream reports an error.
bool ReadRestOfStream(std::FILE* stream, std::string& content);

class CTextReader {
public:
    // The text is not copied; it must outlive the reader.
    explicit CTextReader(std::string_view text);

    // The encoding of the lines read.
    TextEncoding Encoding() const { return m_encoding; }

    // "%i": decimal, hexadecimal after "0x", octal after "0". Leading white space is
    // skipped; false, with value unchanged, when no number stands there.
    bool ReadInteger(int& value) { return ReadNumber("%i%n", value); }
    // "%d": a decimal number only.
    bool ReadDecimal(int& value) { return ReadNumber("%d%n", value); }
    // The rest of the current line without its line end; a CR before the LF, or at the
    // very end of the text, is part of the line end. Like a C string, the line ends at
    // its first NUL. False only at the end of the text.
    bool ReadLine(std::string_view& line);
    // Skips every white-space character, blank lines included.
    void SkipWhiteSpace();
    // How many bytes are left to read.
    size_t Remaining() const { return m_text.size() - m_at; }

private:
    bool ReadNumber(const char* format, int& value);
    // A plain decimal of at most nine digits, which needs no scanf.
    bool ReadShortDecimal(int& value);

    std::string_view m_text;
    size_t m_at = 0;
    TextEncoding m_encoding = TextEncoding::Ansi;
};
