// CAcceleratorTable: owns an accelerator table made from a list of keys, and turns
// a key message it holds into the key's command.
#pragma once

#include "Handle.h"

#include <vector>

struct CAcceleratorTraits {
    using Handle = HACCEL;
    static BOOL Release(HACCEL table) { return ::DestroyAcceleratorTable(table); }
};

class CAcceleratorTable : public CHandle<CAcceleratorTraits> {
public:
    // The keys of an accelerator resource of the program; none when it cannot be loaded.
    static std::vector<ACCEL> LoadKeys(UINT resourceId);

    // Replaces the table held only when one can be made of the keys.
    BOOL Create(const std::vector<ACCEL>& keys);

    // Sends target the WM_COMMAND of a key the table holds (the high word of its
    // wParam 1, as from a key); true when the message was such a key.
    BOOL Translate(HWND target, MSG* msg) const
    {
        return !IsEmpty() && ::TranslateAcceleratorW(target, GetSafeHandle(), msg);
    }
};
