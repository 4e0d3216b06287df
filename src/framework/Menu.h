// CMenu: owns a loaded menu and destroys it once.
#pragma once

#include "HandleLedger.h"

#include <windows.h>

class CMenu {
public:
    CMenu() = default;
    ~CMenu() { DestroyMenu(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    HMENU GetSafeHmenu() const { return m_hMenu; }

    BOOL LoadMenu(UINT resourceId)
    {
        HMENU menu = ::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId));
        if (menu == nullptr)
            return FALSE;
        DestroyMenu();
        m_hMenu = menu;
        HandleLedger::Adopted(HandleKind::Menu);
        return TRUE;
    }
    BOOL DestroyMenu()
    {
        if (m_hMenu == nullptr)
            return FALSE;
        BOOL destroyed = ::DestroyMenu(m_hMenu);
        HandleLedger::Released(HandleKind::Menu, destroyed != FALSE);
        m_hMenu = nullptr;
        return destroyed;
    }
    HMENU GetSubMenu(int position) const { return ::GetSubMenu(m_hMenu, position); }
};
