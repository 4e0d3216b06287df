#include "String.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

CString::CString(const char* ansiText)
{
    if (ansiText == nullptr || *ansiText == '\0')
        return;
    int length = ::MultiByteToWideChar(CP_ACP, 0, ansiText, -1, nullptr, 0);
    if (length <= 1)
        return;
    m_text.resize(static_cast<size_t>(length));
    ::MultiByteToWideChar(CP_ACP, 0, ansiText, -1, &m_text[0], length);
    m_text.resize(static_cast<size_t>(length - 1));
}

CString CString::Left(int count) const
{
    if (count < 0)
        count = 0;
    return CString(m_text.substr(0, static_cast<size_t>(count)));
}

void CString::Format(const wchar_t* format, ...)
{
    std::vector<wchar_t> buffer(64);
    for (;;) {
        va_list args;
        va_start(args, format);
        int written = std::vswprintf(buffer.data(), buffer.size(), format, args);
        va_end(args);
        if (written >= 0 && static_cast<size_t>(written) < buffer.size()) {
            m_text.assign(buffer.data(), static_cast<size_t>(written));
            return;
        }
        if (buffer.size() > (1u << 24)) {
            m_text.clear();
            return;
        }
        buffer.resize(buffer.size() * 2);
    }
}

CString& CString::operator=(const wchar_t* text)
{
    m_text = text ? text : L"";
    return *this;
}

CString& CString::operator+=(const CString& other)
{
    m_text += other.m_text;
    return *this;
}

CString& CString::operator+=(wchar_t ch)
{
    m_text += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b)
{
    CString joined(a);
    joined += b;
    return joined;
}
