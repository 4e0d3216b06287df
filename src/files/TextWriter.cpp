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
    const size_t start = m_pending.size();
    if (!AppendAsciiLine(text)) {
        m_pending.resize(start);
        std::wstring kept(text);
        kept.erase(std::remove(kept.begin(), kept.end(), L'\n'), kept.end());
        AppendNarrowText(kept, m_pending, m_encoding);
    }
    // A reader takes a CR before the line feed as part of the line end, as Windows'
    // text mode writes it: a text that ends in CR keeps it with one CR more.
    if (m_pending.size() > start && m_pending.back() == '\r')
        m_pending += '\r';
    m_pending += '\n';
    WriteWhenFull();
}

bool CTextWriter::Finish()
{
    WritePending();
    return !m_failed && std::ferror(m_stream) == 0;
}

bool CTextWriter::AppendAsciiLine(std::wstring_view text)
{
    for (wchar_t ch : text) {
        if (ch >= 0x80)
            return false;
        if (ch == L'\0')
            break;
        if (ch != L'\n')
            m_pending += static_cast<char>(ch);
    }
    return true;
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
