// CImageList: owns a comctl32 image list.
#pragma once

#include "HandleLedger.h"

#include <windows.h>
#include <commctrl.h>

class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    // Cuts a bitmap resource into images imageWidth wide; mask is the transparent colour.
    BOOL Create(UINT bitmapId, int imageWidth, int grow, COLORREF mask)
    {
        HIMAGELIST list = ::ImageList_LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmapId),
                                                 imageWidth, grow, mask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
        if (list == nullptr)
            return FALSE;
        DeleteImageList();
        m_hImageList = list;
        HandleLedger::Adopted(HandleKind::ImageList);
        return TRUE;
    }
    BOOL DeleteImageList()
    {
        if (m_hImageList == nullptr)
            return FALSE;
        BOOL destroyed = ::ImageList_Destroy(m_hImageList);
        HandleLedger::Released(HandleKind::ImageList, destroyed != FALSE);
        m_hImageList = nullptr;
        return destroyed;
    }
    int GetImageCount() const { return ::ImageList_GetImageCount(m_hImageList); }
};
