// CImageList: owns a comctl32 image list.
#pragma once

#include "Handle.h"

#include <commctrl.h>

struct CImageListTraits {
    using Handle = HIMAGELIST;
    static BOOL Release(HIMAGELIST list) { return ::ImageList_Destroy(list); }
};

class CImageList : public CHandle<CImageListTraits> {
public:
    operator HIMAGELIST() const { return GetSafeHandle(); }

    // Cuts a bitmap resource into images imageWidth wide; mask is the transparent
    // colour. Replaces the list held only when the new one is made.
    BOOL Create(UINT bitmapId, int imageWidth, int grow, COLORREF mask)
    {
        return AttachMade(::ImageList_LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmapId),
                                                 imageWidth, grow, mask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
    }
};
