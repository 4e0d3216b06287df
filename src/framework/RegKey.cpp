#include "RegKey.h"

#include <vector>

LONG CRegKey::Open(HKEY parent, const wchar_t* name, REGSAM access)
{
    Close();
    return ::RegOpenKeyExW(parent, name, 0, access, &m_key);
}

LONG CRegKey::Create(HKEY parent, const wchar_t* name)
{
    Close();
    return ::RegCreateKeyExW(parent, name, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &m_key, nullptr);
}

void CRegKey::Close()
{
    if (m_key != nullptr)
        ::RegCloseKey(m_key);
    m_key = nullptr;
}

LONG CRegKey::QueryDWORDValue(const wchar_t* name, DWORD& value) const
{
    DWORD bytes = sizeof(value);
    return ::RegGetValueW(m_key, nullptr, name, RRF_RT_REG_DWORD, nullptr, &value, &bytes);
}

LONG CRegKey::SetDWORDValue(const wchar_t* name, DWORD value)
{
    return ::RegSetValueExW(m_key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

LONG CRegKey::QueryStringValue(const wchar_t* name, CString& value) const
{
    // A value can grow between the two calls: ask again until it fits.
    for (;;) {
        DWORD bytes = 0;
        LONG result = ::RegGetValueW(m_key, nullptr, name, RRF_RT_REG_SZ, nullptr, nullptr, &bytes);
        if (result != ERROR_SUCCESS)
            return result;
        std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        result = ::RegGetValueW(m_key, nullptr, name, RRF_RT_REG_SZ, nullptr, text.data(), &bytes);
        if (result == ERROR_MORE_DATA)
            continue;
        if (result == ERROR_SUCCESS)
            value = CString(text.data());
        return result;
    }
}

LONG CRegKey::SetStringValue(const wchar_t* name, const wchar_t* value)
{
    const DWORD bytes = static_cast<DWORD>((::lstrlenW(value) + 1) * sizeof(wchar_t));
    return ::RegSetValueExW(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), bytes);
}
