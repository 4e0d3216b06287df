// CIcon: owns an icon loaded or made by the program and destroys it once.
#pragma once

#include "HandleLedger.h"

#include <windows.h>

class CIcon {
public:
    CIcon() = default;
    ~CIcon() { Destroy(); }
    CIcon(const CIcon&) = delete;
    CIcon& operator=(const CIcon&) = delete;

    HICON m_hIcon = nullptr;
    HICON GetSafeHandle() const { return m_hIcon; }
    bool IsEmpty() const { return m_hIcon == nullptr; }

    // Takes ownership of icon, destroying the one held before.
    void Attach(HICON icon)
    {
        if (icon == m_hIcon)
            return;
        Destroy();
        m_hIcon = icon;
        if (icon != nullptr)
            HandleLedger::Adopted(HandleKind::Icon);
    }
    BOOL Destroy()
    {
        if (m_hIcon == nullptr)
            return FALSE;
        BOOL destroyed = ::DestroyIcon(m_hIcon);
        HandleLedger::Released(HandleKind::Icon, destroyed != FALSE);
        m_hIcon = nullptr;
        return destroyed;
    }
};
