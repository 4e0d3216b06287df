#include "ListCtrl.h"

BOOL CListCtrl::SetItemState(int index, UINT state, UINT mask)
{
    LVITEMW item = {};
    item.state = state;
    item.stateMask = mask;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

BOOL CListCtrl::GetItemRect(int index, RECT* rect, UINT code) const
{
    rect->left = static_cast<LONG>(code);
    return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
}

int CListCtrl::InsertColumn(int column, const wchar_t* heading, int format, int width)
{
    LVCOLUMNW description = {};
    description.mask = LVCF_FMT | LVCF_TEXT | LVCF_SUBITEM;
    description.fmt = format;
    description.pszText = const_cast<wchar_t*>(heading);
    description.iSubItem = column;
    if (width != -1) {
        description.mask |= LVCF_WIDTH;
        description.cx = width;
    }
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&description)));
}

bool CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return true;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, result);
}
