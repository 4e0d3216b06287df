// CMenu: owns a loaded menu and destroys it once.
#pragma once

#include "Handle.h"

struct CMenuTraits {
    using Handle = HMENU;
    static BOOL Release(HMENU menu) { return ::DestroyMenu(menu); }
};

class CMenu : public CHandle<CMenuTraits> {
public:
    HMENU GetSafeHmenu() const { return GetSafeHandle(); }

    // Replaces the menu held only when the resource loads.
    BOOL LoadMenu(UINT resourceId)
    {
        return AttachMade(::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId)));
    }
    BOOL DestroyMenu() { return Release(); }
    HMENU GetSubMenu(int position) const { return ::GetSubMenu(GetSafeHandle(), position); }
};
