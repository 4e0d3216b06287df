// CRegKey: owns an open key of the registry and closes it once.
#pragma once

#include "String.h"

#include <windows.h>

class CRegKey {
public:
    CRegKey() = default;
    ~CRegKey() { Close(); }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;

    // Opens an existing key for reading; ERROR_SUCCESS or the platform's error.
    LONG Open(HKEY parent, const wchar_t* name, REGSAM access = KEY_READ);
    // Opens the key for writing, making it when it is missing.
    LONG Create(HKEY parent, const wchar_t* name);
    void Close();

    LONG QueryDWORDValue(const wchar_t* name, DWORD& value) const;
    LONG SetDWORDValue(const wchar_t* name, DWORD value);
    LONG QueryStringValue(const wchar_t* name, CString& value) const;
    LONG SetStringValue(const wchar_t* name, const wchar_t* value);

private:
    HKEY m_key = nullptr;
};
