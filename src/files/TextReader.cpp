#include "TextReader.h"

#include <algorithm>
#include <io.h>

namespace {

bool IsWhiteSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

}  // namespace

bool ReadRestOfStream(std::FILE* stream, std::string& content)
{
    content.clear();
    const long long size = ::_filelengthi64(::_fileno(stream));
    const long long at = ::_ftelli64(stream);
    if (size > at && at >= 0)
        content.reserve(static_cast<size_t>(size - at));
    char chunk[64 * 1024];
    size_t read;
    while ((read = std::fread(chunk, 1, sizeof chunk, stream)) > 0)
        content.append(chunk, read);
    return std::ferror(stream) == 0;
}

CTextReader::CTextReader(std::string_view text) : m_text(text)
{
    if (m_text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
        m_at = kUtf8ByteOrderMark.size();
        m_encoding = TextEncoding::Utf8;
    }
}

bool CTextReader::ReadShortDecimal(int& value)
{
    size_t end = m_at;
    while (end < m_text.size() && end - m_at < 10 && IsDigit(m_text[end]))
        ++end;
    const size_t digits = end - m_at;
    // "0" followed by more is octal or hexadecimal for "%i"; ten digits may overflow.
    if (digits == 0 || digits > 9 || (m_text[m_at] == '0' && digits > 1) ||
        (end < m_text.size() && (m_text[end] == 'x' || m_text[end] == 'X')))
        return false;
    int number = 0;
    for (size_t at = m_at; at < end; ++at)
        number = number * 10 + (m_text[at] - '0');
    value = number;
    m_at = end;
    return true;
}

bool CTextReader::ReadNumber(const char* format, int& value)
{
    SkipWhiteSpace();
    if (ReadShortDecimal(value))
        return true;
    // Anything else goes through scanf itself, so that signs, bases and numbers out
    // of range read exactly as the C runtime reads them.
    size_t end = m_at;
    while (end < m_text.size() && !IsWhiteSpace(m_text[end]) && m_text[end] != '\0')
        ++end;
    const std::string word(m_text.substr(m_at, end - m_at));
    int number = 0;
    int used = 0;
    if (std::sscanf(word.c_str(), format, &number, &used) != 1)
        return false;
    value = number;
    m_at += static_cast<size_t>(used);
    return true;
}

bool CTextReader::ReadLine(std::string_view& line)
{
    if (m_at >= m_text.size())
        return false;
    const size_t end = std::min(m_text.find('\n', m_at), m_text.size());
    line = m_text.substr(m_at, end - m_at);
    m_at = std::min(end + 1, m_text.size());
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    line = line.substr(0, std::min(line.size(), line.find('\0')));
    return true;
}

void CTextReader::SkipWhiteSpace()
{
    while (m_at < m_text.size() && IsWhiteSpace(m_text[m_at]))
        ++m_at;
}
