// Reads the 8-bit text of the program's files: numbers as the C runtime's scanf
// reads them, and lines whole, whatever their length, ended by LF or CR LF.
#pragma once

#include <cstdio>
#include <string>

class CTextReader {
public:
    // The stream is read from where it stands; it is not owned.
    explicit CTextReader(std::FILE* stream) : m_stream(stream) {}

    // "%i": decimal, hexadecimal after "0x", octal after "0". Leading white space is
    // skipped; false, with value unchanged, when no number stands there.
    bool ReadInteger(int& value);
    // "%d": a decimal number only.
    bool ReadDecimal(int& value);
    // The rest of the current line without its line end; a CR before the LF, or at the
    // very end of the stream, is part of the line end. False only at the end of the stream.
    bool ReadLine(std::string& line);
    // Skips every white-space character, blank lines included.
    void SkipWhiteSpace();

private:
    std::FILE* m_stream;
};
