// Writes the 8-bit text of the program's files through a buffer that goes to the
// stream in large pieces: the program's own ASCII as it stands, and the texts of
// the list in the file's encoding.
#pragma once

#include "../framework/TextCodec.h"

#include <cstdio>
#include <string>
#include <string_view>

class CTextWriter {
public:
    CTextWriter(std::FILE* stream, TextEncoding encoding);
    CTextWriter(const CTextWriter&) = delete;
    CTextWriter& operator=(const CTextWriter&) = delete;

    TextEncoding Encoding() const { return m_encoding; }

    // A file in UTF-8 begins with the byte-order mark, by which a reader tells it from
    // one in the ANSI code page; in the ANSI code page nothing is written.
    void WriteByteOrderMark();
    // ASCII that the program writes itself: words, markup, line ends.
    void Write(std::string_view ascii);
    // A decimal number, as "%d" writes it.
    void Write(int number);
    // A text of the list in the file's encoding, as it stands.
    void WriteText(std::wstring_view text);
    // A text as one line of the file, with its line end: LF, or CR LF after a text
    // that ends in CR. A line feed in the text would end the line early and is left out.
    void WriteLine(std::wstring_view text);

    // Writes what is still held; false when the stream failed at any point.
    bool Finish();

private:
    // Plain ASCII, the most of every list, is copied in one pass, up to its end or its
    // first NUL and without its line feeds; false, with part of it copied, at the first
    // character beyond ASCII.
    bool AppendAsciiLine(std::wstring_view text);
    void WriteWhenFull();
    void WritePending();

    std::FILE* m_stream;
    TextEncoding m_encoding;
    std::string m_pending;
    bool m_failed = false;
};
