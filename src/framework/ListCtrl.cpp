#include "ListCtrl.h"

#include <vector>

int CListCtrl::InsertItem(int index, const wchar_t* text, int image)
{
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(text);
    item.iImage = image;
    return InsertItem(&item);
}

BOOL CListCtrl::SetItemText(int index, int subItem, const wchar_t* text)
{
    LVITEMW item = {};
    item.iSubItem = subItem;
    item.pszText = const_cast<wchar_t*>(text);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

CString CListCtrl::GetItemText(int index, int subItem) const
{
    // The list view copies at most the buffer less one character and says how many
    // it copied; a full buffer may mean a longer text, so grow and ask again.
    for (size_t capacity = 256;; capacity *= 2) {
        std::vector<wchar_t> buffer(capacity, L'\0');
        LVITEMW item = {};
        item.iSubItem = subItem;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(capacity);
        int copied = static_cast<int>(
            SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
        if (copied < static_cast<int>(capacity) - 1 || capacity >= (1u << 24))
            return CString(item.pszText ? item.pszText : L"");
    }
}

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
