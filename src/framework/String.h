// CString: a UTF-16 text value with the handful of operations the program uses.
#pragma once

#include <windows.h>

#include <string>

class CString {
public:
    CString() = default;
    CString(const wchar_t* text) : m_text(text ? text : L"") {}
    CString(const wchar_t* text, int length) : m_text(text, static_cast<size_t>(length)) {}
    CString(const std::wstring& text) : m_text(text) {}
    // 8-bit text in the ANSI code page.
    explicit CString(const char* ansiText);

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    const wchar_t* GetString() const { return m_text.c_str(); }
    operator const wchar_t*() const { return m_text.c_str(); }
    const std::wstring& str() const { return m_text; }

    CString Left(int count) const;

    // printf-style formatting into this string; use %ls for wide texts.
    void Format(const wchar_t* format, ...);

    CString& operator=(const wchar_t* text);
    CString& operator+=(const CString& other);
    CString& operator+=(wchar_t ch);
    friend CString operator+(const CString& a, const CString& b);
    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_text != b.m_text; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.m_text == (b ? b : L""); }
    friend bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }

private:
    std::wstring m_text;
};
