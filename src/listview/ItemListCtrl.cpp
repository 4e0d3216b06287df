#include "ItemListCtrl.h"

namespace {

struct ColumnLayout {
    const wchar_t* heading;
    int format;
    int width;
};

constexpr ColumnLayout kColumns[] = {
    {L"Item:         ", LVCFMT_LEFT, 72},
    {L"Qt:", LVCFMT_RIGHT, 36},
    {L"Location:", LVCFMT_RIGHT, 48},
    {L"Price:", LVCFMT_RIGHT, 72},
};

// The main window owns the mark images; the list must not destroy them with itself.
constexpr DWORD kListStyle = LVS_REPORT | LVS_SINGLESEL | LVS_SHAREIMAGELISTS;
constexpr DWORD kReplacedStyle = LVS_TYPEMASK | LVS_SHOWSELALWAYS | LVS_EDITLABELS;

}  // namespace

BEGIN_MESSAGE_MAP(CItemListCtrl, CListCtrl)
    ON_WM_CREATE()
END_MESSAGE_MAP()

void CItemListCtrl::SetupList()
{
    ModifyStyle(kReplacedStyle, kListStyle);
    int index = 0;
    for (const ColumnLayout& column : kColumns)
        InsertColumn(index++, column.heading, column.format);
    index = 0;
    for (const ColumnLayout& column : kColumns)
        SetColumnWidth(index++, column.width);
    SetBkColor(ListBackColor);
}

void CItemListCtrl::PreSubclassWindow()
{
    SetupList();
    CListCtrl::PreSubclassWindow();
}

int CItemListCtrl::OnCreate(CREATESTRUCTW*)
{
    if (Default() == -1)
        return -1;
    SetupList();
    return 0;
}

void CItemListCtrl::InsertRow(int index, const ItemRow& row)
{
    int inserted = InsertItem(index, row.name, row.mark);
    if (inserted < 0)
        return;
    SetItemText(inserted, 1, row.quantity);
    SetItemText(inserted, 2, row.location);
    SetItemText(inserted, 3, row.price);
}

ItemRow CItemListCtrl::GetRow(int index) const
{
    ItemRow row;
    row.name = GetItemText(index, 0);
    row.mark = GetMark(index);
    row.quantity = GetItemText(index, 1);
    row.location = GetItemText(index, 2);
    row.price = GetItemText(index, 3);
    return row;
}

int CItemListCtrl::GetMark(int index, int fallback) const
{
    LVITEMW item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = index;
    item.iImage = fallback;
    GetItem(&item);
    return item.iImage;
}

bool CItemListCtrl::SetMark(int index, int mark)
{
    LVITEMW item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = index;
    item.iImage = mark;
    return SetItem(&item) != FALSE;
}
