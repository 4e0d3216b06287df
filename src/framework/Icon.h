// CIcon: owns an icon loaded or made by the program and destroys it once.
#pragma once

#include "Handle.h"

struct CIconTraits {
    using Handle = HICON;
    static BOOL Release(HICON icon) { return ::DestroyIcon(icon); }
};

using CIcon = CHandle<CIconTraits>;
