#include "TextWriter.h"

#include <algorithm>
#include <charconv>

namespace {

// Written out whenever this much has gathered.
constexpr size_t kWriteChunk = 1 << 20;

}  // namespace

CTextWriter::CTextWriter(std::FILE* stream, TextEncoding encoding) : m_stream(stream), m_encoding(encoding)
{
    m_pending.reserve(kWriteChunk + 64 * 1024);
}

void CTextWriter::WriteByteOrderMark()
{
    if (m_encoding == TextEncoding::Utf8)
        Write(kUtf8ByteOrderMark);
}

void CTextWriter::Write(std::string_view ascii)
{
    m_pending += ascii;
    WriteWhenFull();
}

void CTextWriter::Write(int number)
{
    char digits[16];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, number);
    Write(std::string_view(digits, static_cast<size_t>(end.ptr - digits)));
}

void CTextWriter::WriteText(std::wstring_view text)
{
    AppendNarrowText(text, m_pending, m_encoding);
    WriteWhenFull();
}

void CTextWriter::WriteLine(std::wstring_view text)
{
    // Plain ASCII, the most of every list, is copied as it stands, in one pass.
    const size_t at = m_pending.size();
    for (wchar_t ch : text) {
        if (ch >= 0x80) {
            m_pending.resize(at);
            WriteLineOutsideAscii(text);
            return;
        }
        if (ch == L'\0')
            break;
        if (ch != L'\n')
            m_pending += static_cast<char>(ch);
    }
    m_pending += '\n';
    WriteWhenFull();
}

bool CTextWriter::Finish()
{
    WritePending();
    return !m_failed && std::ferror(m_stream) == 0;
}

void CTextWriter::WriteLineOutsideAscii(std::wstring_view text)
{
    std::wstring kept(text);
    kept.erase(std::remove(kept.begin(), kept.end(), L'\n'), kept.end());
    WriteText(kept);
    Write("\n");
}

void CTextWriter::WriteWhenFull()
{
    if (m_pending.size() >= kWriteChunk)
        WritePending();
}

void CTextWriter::WritePending()
{
    if (std::fwrite(m_pending.data(), 1, m_pending.size(), m_stream) != m_pending.size())
        m_failed = true;
    m_pending.clear();
}
