#include "ItemListCtrl.h"

#include "../framework/Dpi.h"
#include "../list/ShoppingList.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

namespace {

struct ColumnLayout {
    ItemColumn column;
    const wchar_t* heading;
    int format;
    int width;
};

constexpr ColumnLayout kColumns[ItemColumnCount] = {
    {ColumnName, L"Item:         ", LVCFMT_LEFT, 72},
    {ColumnQuantity, L"Qt:", LVCFMT_RIGHT, 36},
    {ColumnLocation, L"Location:", LVCFMT_RIGHT, 48},
    {ColumnPrice, L"Price:", LVCFMT_RIGHT, 72},
};

// The main window owns the mark images; the list must not destroy them with itself.
// No style change below touches LVS_SHAREIMAGELISTS.
constexpr DWORD kListStyle = LVS_REPORT | LVS_SINGLESEL | LVS_OWNERDRAWFIXED | LVS_SHAREIMAGELISTS;
constexpr DWORD kReplacedStyle = LVS_TYPEMASK | LVS_SHOWSELALWAYS | LVS_EDITLABELS;
constexpr DWORD kHeaderlessStyle = LVS_NOCOLUMNHEADER | LVS_OWNERDRAWFIXED | LVS_SINGLESEL | LVS_REPORT;
constexpr DWORD kHeaderStyle = LVS_OWNERDRAWFIXED | LVS_SINGLESEL | LVS_REPORT;
constexpr DWORD kReplacedWithHeader = LVS_NOCOLUMNHEADER | LVS_EDITLABELS | LVS_TYPEMASK;

constexpr UINT kNameFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;
constexpr UINT kColumnFormat = DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;

// Taps at most this far right of the list's left window edge land on the mark strip:
// the border and the marks. The pop-up menu still opens at the tap's screen position.
constexpr int kMarkStripLastOffset = 20;

// The handheld list view's tap-and-hold query (NM_FIRST - 50): answered TRUE, the
// control handles its taps itself and the platform shows no gesture of its own.
constexpr UINT kRecognizeGesture = static_cast<UINT>(NM_FIRST - 50);

UINT ColumnAlignment(int format)
{
    switch (format & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
        return DT_RIGHT;
    case LVCFMT_CENTER:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

void FillSolid(CDC& dc, const RECT& rect, COLORREF color)
{
    CBrush brush;
    if (brush.CreateSolidBrush(color))
        dc.FillRect(&rect, brush);
}

void ClipTo(CDC& dc, const RECT& rect)
{
    CRgn region;
    if (region.CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom))
        dc.SelectClipRgn(region);  // the context keeps a copy
}

}  // namespace

BEGIN_MESSAGE_MAP(CItemListCtrl, CListCtrl)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_NOTIFY_REFLECT(kRecognizeGesture, OnReflectedNotify)
    ON_NOTIFY_REFLECT(LVN_GETDISPINFOW, OnGetDispInfo)
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged)
    ON_NOTIFY(HDN_ENDTRACKW, 0, OnColumnWidthSet)
    ON_NOTIFY(HDN_DIVIDERDBLCLICKW, 0, OnColumnWidthSet)
END_MESSAGE_MAP()

CItemListCtrl::~CItemListCtrl()
{
    if (m_shoppingList != nullptr)
        m_shoppingList->RemoveObserver(this);
}

void CItemListCtrl::SetupList()
{
    ModifyStyle(kReplacedStyle, kListStyle);
    for (const ColumnLayout& layout : kColumns)
        InsertColumn(layout.column, layout.heading, layout.format);
    for (const ColumnLayout& layout : kColumns)
        SetColumnWidth(layout.column, layout.width);
    SetBkColor(ListBackColor);
}

void CItemListCtrl::PreSubclassWindow()
{
    SetupList();
    CListCtrl::PreSubclassWindow();
}

// ---------------------------------------------------------------------------
// Rows

void CItemListCtrl::ShowRows(CShoppingList& rows)
{
    m_shoppingList = &rows;
    rows.AddObserver(this);
    SetRowCount(-1, -1, 0);
}

void CItemListCtrl::SetRowCount(int focused, int selected, int firstMoved)
{
    const int wasFocused = GetNextItem(-1, LVNI_FOCUSED);
    const int wasSelected = m_selection;
    if (wasFocused >= 0 && wasFocused != focused)
        SetItemState(wasFocused, 0, LVIS_FOCUSED);
    if (wasSelected >= 0 && wasSelected != selected)
        SetItemState(wasSelected, 0, LVIS_SELECTED);
    // Each new count redraws the scroll bars at once; a move leaves the count as it was.
    const int count = m_shoppingList != nullptr ? m_shoppingList->RowCount() : 0;
    if (count != GetItemCount())
        SetItemCountEx(count, LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
    InvalidateFrom(firstMoved);
    if (focused >= 0 && focused != wasFocused)
        SetItemState(focused, LVIS_FOCUSED, LVIS_FOCUSED);
    if (selected >= 0 && selected != wasSelected)
        SetItemState(selected, LVIS_SELECTED, LVIS_SELECTED);
}

void CItemListCtrl::OnRowsInserted(int first, int count)
{
    auto follow = [first, count](int row) { return row >= first ? row + count : row; };
    SetRowCount(follow(GetNextItem(-1, LVNI_FOCUSED)), follow(m_selection), first);
}

void CItemListCtrl::OnRowsRemoved(int first, int count)
{
    const int focused = GetNextItem(-1, LVNI_FOCUSED);
    const int selected = m_selection;
    const int end = first + count;
    SetRowCount(focused >= end ? focused - count : (focused >= first ? first : focused),
                selected >= end ? selected - count : (selected >= first ? -1 : selected), first);
}

void CItemListCtrl::OnRowMoved(int from, int to)
{
    OnRowsRemoved(from, 1);
    OnRowsInserted(to, 1);
}

void CItemListCtrl::OnRowsChanged(int first, int count)
{
    InvalidateRows(first, count);
}

void CItemListCtrl::OnRowsReplaced()
{
    SetRowCount(-1, -1, 0);
}

void CItemListCtrl::OnRowsRemapped(const std::vector<int>& whereRowsWent)
{
    const int oldItems = static_cast<int>(whereRowsWent.size());
    const int newItems = m_shoppingList != nullptr ? m_shoppingList->ItemCount() : 0;
    // A closing row keeps its place among the closing rows.
    auto follow = [&](int row) {
        if (row < 0)
            return -1;
        return row < oldItems ? whereRowsWent[static_cast<size_t>(row)] : row - oldItems + newItems;
    };
    // The first row shown that is still there stays the first shown.
    const int top = GetTopIndex();
    int newTop = -1;
    for (int row = top; row < oldItems + ClosingRowCount && newTop < 0; ++row)
        newTop = follow(row);
    SetRowCount(follow(GetNextItem(-1, LVNI_FOCUSED)), follow(m_selection), 0);
    CRect first;
    if (newTop >= 0 && GetItemRect(0, &first, LVIR_BOUNDS))
        Scroll(0, (newTop - GetTopIndex()) * first.Height());
}

void CItemListCtrl::InvalidateFrom(int row)
{
    CRect client;
    GetClientRect(&client);
    CRect bounds;
    if (row > GetTopIndex() && GetItemRect(row, &bounds, LVIR_BOUNDS))
        client.top = std::max(client.top, bounds.top);
    InvalidateRect(&client, FALSE);
}

void CItemListCtrl::InvalidateRows(int first, int count)
{
    CRect bounds;
    for (int row = first; row < first + count; ++row) {
        if (GetItemRect(row, &bounds, LVIR_BOUNDS))
            InvalidateRect(&bounds, FALSE);
    }
}

void CItemListCtrl::OnItemChanged(NMHDR* header, LRESULT*)
{
    const NMLISTVIEW& change = *reinterpret_cast<NMLISTVIEW*>(header);
    if ((change.uChanged & LVIF_STATE) == 0)
        return;
    if ((change.uNewState & LVIS_SELECTED) != 0)
        m_selection = change.iItem;
    else if (change.iItem == -1 || ((change.uOldState & LVIS_SELECTED) != 0 && change.iItem == m_selection))
        m_selection = -1;
}

int CItemListCtrl::NavigationTarget(UINT key) const
{
    const int last = GetItemCount() - 1;
    const int focused = SelectedRow();
    const int top = GetTopIndex();
    const int page = std::max(1, GetCountPerPage());
    int target;
    switch (key) {
    case VK_UP:
        target = focused - 1;
        break;
    case VK_DOWN:
        target = focused + 1;
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = last;
        break;
    case VK_PRIOR:  // to the top of the page, then a page up
        target = focused > top ? top : focused - (page - 1);
        break;
    case VK_NEXT:  // to the bottom of the page, then a page down
        target = focused >= 0 && focused < top + page - 1 ? top + page - 1 : focused + (page - 1);
        break;
    default:
        return -1;
    }
    return std::max(0, std::min(target, last));
}

void CItemListCtrl::OnKeyDown(UINT key, UINT, UINT)
{
    // Ctrl moves the focus alone, which the platform does one row at a time already.
    const int target = ::GetKeyState(VK_CONTROL) < 0 ? -1 : NavigationTarget(key);
    if (target < 0) {
        Default();
        return;
    }
    MoveFocusTo(target, true);
}

void CItemListCtrl::MoveFocusTo(int row, bool scrollIntoView)
{
    const int focused = SelectedRow();
    if (m_selection >= 0 && m_selection != row)
        SetItemState(m_selection, 0, LVIS_SELECTED);
    if (focused >= 0 && focused != row)
        SetItemState(focused, 0, LVIS_FOCUSED);
    SetItemState(row, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    if (scrollIntoView)
        EnsureVisible(row, FALSE);
}

void CItemListCtrl::OnGetDispInfo(NMHDR* header, LRESULT*)
{
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
    if (m_shoppingList == nullptr)
        return;
    if ((item.mask & LVIF_IMAGE) != 0)
        item.iImage = m_shoppingList->Mark(item.iItem);
    if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
        CString text = m_shoppingList->Text(item.iItem, static_cast<ItemColumn>(item.iSubItem));
        ::lstrcpynW(item.pszText, text, item.cchTextMax);
    }
}

void CItemListCtrl::FocusRow(int row)
{
    SetItemState(row, LVIS_FOCUSED, LVIS_FOCUSED);
}

void CItemListCtrl::SetDpi(UINT dpi)
{
    if (dpi == m_dpi)
        return;
    m_dpi = dpi;
    m_listFont.Create(m_listFont.Settings(), dpi);
    LayOutColumns(m_extraWidth);
    Invalidate();
}

bool CItemListCtrl::SetListFont(const ListFontSettings& settings)
{
    return m_listFont.Create(settings, m_dpi);
}

void CItemListCtrl::LayOutColumns(int extraWidth)
{
    m_extraWidth = extraWidth;
    // The extra width goes to the Item and Location columns, three parts to two, or
    // all of it to the one of them the user has not set.
    const bool nameGrows = m_userWidths[ColumnName] == 0;
    const bool locationGrows = m_userWidths[ColumnLocation] == 0;
    const int toName = nameGrows ? (locationGrows ? extraWidth * 3 / 5 : extraWidth) : 0;
    const int toLocation = locationGrows ? extraWidth - toName : 0;
    for (const ColumnLayout& layout : kColumns) {
        const double user = m_userWidths[layout.column];
        int width = user > 0 ? static_cast<int>(std::lround(user * m_dpi / DefaultDpi)) : ScaleToDpi(layout.width, m_dpi);
        if (layout.column == ColumnName)
            width += toName;
        else if (layout.column == ColumnLocation)
            width += toLocation;
        if (GetColumnWidth(layout.column) != width)
            SetColumnWidth(layout.column, std::max(0, width));
    }
}

std::vector<double> CItemListCtrl::UserColumnWidths() const
{
    return std::vector<double>(m_userWidths.begin(), m_userWidths.end());
}

void CItemListCtrl::SetUserColumnWidths(const std::vector<double>& widths)
{
    for (size_t column = 0; column < m_userWidths.size(); ++column)
        m_userWidths[column] = column < widths.size() ? std::max(0.0, widths[column]) : 0;
    LayOutColumns(m_extraWidth);
}

void CItemListCtrl::OnColumnWidthSet(NMHDR* header, LRESULT* result)
{
    *result = Default();
    const NMHEADERW& change = *reinterpret_cast<NMHEADERW*>(header);
    if (change.iItem < 0 || change.iItem >= ItemColumnCount)
        return;
    // The end of a drag tells the new width before the header takes it; a double click
    // has sized the column already.
    const bool told = change.pitem != nullptr && (change.pitem->mask & HDI_WIDTH) != 0;
    const int width = told ? change.pitem->cxy : GetColumnWidth(change.iItem);
    m_userWidths[static_cast<size_t>(change.iItem)] = std::max(1, width) * static_cast<double>(DefaultDpi) / m_dpi;
}

// ---------------------------------------------------------------------------
// Painting

void CItemListCtrl::DrawItem(DRAWITEMSTRUCT* draw)
{
    CDC dc(draw->hDC);
    CSavedDCState savedState(dc);
    const int index = static_cast<int>(draw->itemID);

    const bool highlighted = (GetItemState(index, LVIS_FOCUSED) & LVIS_FOCUSED) != 0;
    const ItemRow row = m_shoppingList != nullptr ? m_shoppingList->Row(index) : ItemRow();

    CRect bounds;
    CRect label;
    CRect icon;
    GetItemRect(index, &bounds, LVIR_BOUNDS);
    GetItemRect(index, &label, LVIR_LABEL);
    GetItemRect(index, &icon, LVIR_ICON);
    CRect column = bounds;

    // In the context's own font, so that a larger list font does not widen the margins.
    const int margin = 2 * dc.GetTextExtent(L" ", 1).cx;

    if (highlighted) {
        dc.SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
        dc.SetBkColor(::GetSysColor(COLOR_HIGHLIGHT));
        // The mark stands on the list's background: the highlight starts at the label.
        // Both are painted whole, since the marks are drawn transparently over
        // whatever the row showed before.
        FillSolid(dc, CRect(bounds.left, bounds.top, label.left, bounds.bottom), ListBackColor);
        FillSolid(dc, CRect(label.left, bounds.top, bounds.right, bounds.bottom), ::GetSysColor(COLOR_HIGHLIGHT));
    } else {
        FillSolid(dc, bounds, ListBackColor);
        // Texts stand on the row's own colour, not in boxes of the context's default white.
        dc.SetBkColor(ListBackColor);
    }

    column.right = column.left + GetColumnWidth(ColumnName);
    ClipTo(dc, column);

    if (HIMAGELIST images = GetImageList(LVSIL_SMALL))
        ::ImageList_Draw(images, row.mark, dc, icon.left, icon.top, ILD_TRANSPARENT);

    label.left += margin / 2;
    label.right -= margin;

    // Without a list font the context's own font draws the texts.
    CSelectedObject listFont(dc, m_listFont.IsEmpty() ? ::GetCurrentObject(dc, OBJ_FONT) : m_listFont.GetSafeHandle());
    DrawFittedText(dc, row.name, &label, kNameFormat);

    ClipTo(dc, bounds);

    for (ItemColumn subItem : {ColumnQuantity, ColumnLocation, ColumnPrice}) {
        LVCOLUMNW description = {};
        description.mask = LVCF_FMT | LVCF_WIDTH;
        if (!GetColumn(subItem, &description))
            break;
        column.left = column.right;
        column.right += description.cx;

        const CString& text = row.Text(subItem);
        if (text.IsEmpty())
            continue;
        CRect textRect(column.left + margin, column.top, column.right - margin, column.bottom);
        DrawFittedText(dc, text, &textRect, ColumnAlignment(description.fmt) | kColumnFormat);
    }
}

int CItemListCtrl::DrawFittedText(CDC& dc, const CString& text, RECT* rect, UINT format)
{
    const int width = rect->right - rect->left;
    if (dc.GetTextExtent(text).cx <= width)
        return dc.DrawText(text, rect, format);

    // A prefix already wider than the space cannot be narrower with "..." added, so the
    // search from the long end can begin at the longest prefix that fits at all.
    CString candidate;
    for (int length = std::min(text.GetLength(), dc.GetTextFit(text, width)); length >= 0; --length) {
        candidate = text.Left(length) + CString(L"...");
        if (dc.GetTextExtent(candidate).cx < width)
            break;
    }
    // When not even "..." is narrower, "..." it is, the last candidate tried.
    return dc.DrawText(candidate, rect, format);
}

void CItemListCtrl::InvalidateRowFromLabel(int row)
{
    CRect bounds;
    CRect label;
    GetItemRect(row, &bounds, LVIR_BOUNDS);
    GetItemRect(row, &label, LVIR_LABEL);
    bounds.left = label.left;
    InvalidateRect(&bounds, FALSE);
}

void CItemListCtrl::RedrawFocusAndSelection()
{
    int focused = GetNextItem(-1, LVNI_FOCUSED);
    if (focused != -1)
        InvalidateRowFromLabel(focused);
    if ((GetStyle() & LVS_SHOWSELALWAYS) == 0) {
        for (int row = GetNextItem(-1, LVNI_SELECTED); row != -1; row = GetNextItem(row, LVNI_SELECTED))
            InvalidateRowFromLabel(row);
    }
    UpdateWindow();
}

void CItemListCtrl::RedrawUnlessChild(CWnd* other)
{
    if (other != nullptr && other->m_hWnd != nullptr && ::IsChild(m_hWnd, other->m_hWnd))
        return;
    if ((GetStyle() & LVS_TYPEMASK) == LVS_REPORT)
        RedrawFocusAndSelection();
}

void CItemListCtrl::OnSetFocus(CWnd* oldFocus)
{
    Default();
    RedrawUnlessChild(oldFocus);
}

void CItemListCtrl::OnKillFocus(CWnd* newFocus)
{
    Default();
    RedrawUnlessChild(newFocus);
}

void CItemListCtrl::ShowHeader(bool shown)
{
    if (shown)
        ModifyStyle(kReplacedWithHeader, kHeaderStyle);
    else
        ModifyStyle(kReplacedStyle, kHeaderlessStyle);
    // The platform repaints only some of the rows when the header comes or goes.
    Invalidate(TRUE);
}

// ---------------------------------------------------------------------------
// Taps and the item menu

int CItemListCtrl::SetItemMenu(UINT menuId, HWND owner, bool redraw)
{
    if (m_itemMenu.GetSafeHmenu() != nullptr) {
        m_itemMenu.DestroyMenu();
        m_hMenuOwner = nullptr;
    }
    if (menuId != 0) {
        m_hMenuOwner = owner;
        if (!m_itemMenu.LoadMenu(menuId))
            return 2;
    }
    if (redraw)
        Invalidate(TRUE);
    return 0;
}

void CItemListCtrl::FlipMark(int row)
{
    if (m_shoppingList != nullptr)
        m_shoppingList->ToggleCheck(row);
}

int CItemListCtrl::RowAt(CPoint point) const
{
    LVHITTESTINFO hit = {};
    hit.pt = point;
    const int row = SubItemHitTest(&hit);
    return row >= 0 && (hit.flags & LVHT_ONITEM) != 0 ? row : -1;
}

void CItemListCtrl::TakeTap(CPoint point)
{
    // What the platform does with a tap, one row's state at a time: the tapped row
    // becomes the focused and selected one; a tap below the rows drops the selection.
    const int row = RowAt(point);
    if (row >= 0)
        MoveFocusTo(row, false);
    else if (m_selection >= 0)
        SetItemState(m_selection, 0, LVIS_SELECTED);
    if (::GetFocus() != m_hWnd)
        SetFocus();
}

void CItemListCtrl::OnLButtonDown(UINT, CPoint point)
{
    TakeTap(point);

    // Signed: a monitor left of or above the primary one has negative coordinates.
    const DWORD position = ::GetMessagePos();
    const int x = GET_X_LPARAM(position);
    const int y = GET_Y_LPARAM(position);
    const int row = SelectedRow();

    CRect window;
    GetWindowRect(&window);
    if (x - window.left <= ScaleToDpi(kMarkStripLastOffset, m_dpi)) {
        FlipMark(row);
        return;
    }
    ShowItemMenu(x, y);
}

void CItemListCtrl::OnRButtonDown(UINT flags, CPoint point)
{
    // On an item row the menu opens wherever the button is pressed, over the mark
    // too; on a closing row and below the rows the right button taps as the left does.
    if (m_shoppingList == nullptr || !m_shoppingList->IsItemRow(RowAt(point))) {
        OnLButtonDown(flags, point);
        return;
    }
    TakeTap(point);
    const DWORD position = ::GetMessagePos();
    ShowItemMenu(GET_X_LPARAM(position), GET_Y_LPARAM(position));
}

void CItemListCtrl::ShowItemMenu(int x, int y)
{
    if (m_itemMenu.GetSafeHmenu() == nullptr)
        return;
    HMENU popup = m_itemMenu.GetSubMenu(0);
    Invalidate(TRUE);
    // Returns when the menu closes; the chosen command is posted to the owner.
    ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN, x, y, 0, m_hMenuOwner, nullptr);
    Invalidate(TRUE);
}

void CItemListCtrl::ShowItemMenuAtFocusedRow()
{
    POINT at = {0, 0};
    const int row = SelectedRow();
    CRect label;
    if (row >= 0 && EnsureVisible(row, FALSE) && GetItemRect(row, &label, LVIR_LABEL))
        at = {label.left, label.bottom};
    ::ClientToScreen(m_hWnd, &at);
    ShowItemMenu(at.x, at.y);
}

bool CItemListCtrl::HasMenuCommand(UINT command) const
{
    HMENU menu = m_itemMenu.GetSafeHmenu();
    return menu != nullptr && ::GetMenuState(menu, command, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

void CItemListCtrl::OnReflectedNotify(NMHDR*, LRESULT* result)
{
    *result = TRUE;
}

void CItemListCtrl::HoldRedraw()
{
    if (m_redrawHolds++ == 0)
        SetRedraw(FALSE);
}

void CItemListCtrl::ReleaseRedraw()
{
    if (m_redrawHolds == 0 || --m_redrawHolds > 0)
        return;
    SetRedraw(TRUE);
    Invalidate();
}
