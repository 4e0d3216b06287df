#include "BareListWindow.h"

#include "res/resource.h"

#include <iterator>

namespace {

constexpr COLORREF kBackColor = RGB(0xAA, 0xE1, 0xFC);
constexpr int kColumnCount = 4;

struct BareColumn {
    const wchar_t* heading;
    int format;
    int width;
};
// The program's columns: the same headings, alignments and widths.
constexpr BareColumn kColumns[kColumnCount] = {
    {L"Item:         ", LVCFMT_LEFT, 72},
    {L"Qt:", LVCFMT_RIGHT, 36},
    {L"Location:", LVCFMT_RIGHT, 48},
    {L"Price:", LVCFMT_RIGHT, 72},
};

const std::string& TextOf(const BareRecord& record, int column)
{
    switch (column) {
    case 1:
        return record.quantity;
    case 2:
        return record.location;
    case 3:
        return record.price;
    default:
        return record.name;
    }
}

}  // namespace

BareListWindow::BareListWindow(const LOGFONTW& font, int left)
{
    m_font = ::CreateFontIndirectW(&font);
    m_marks = ::ImageList_LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_MARKS), 16, 0,
                                     RGB(255, 255, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION);
    m_dialog = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_GROMBLE_DIALOG), nullptr,
                                    &DialogProc, reinterpret_cast<LPARAM>(this));
    if (m_dialog == nullptr)
        return;
    ::SetWindowPos(m_dialog, nullptr, left, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_list = ::GetDlgItem(m_dialog, IDC_LIST);
    SetUpList();
}

BareListWindow::~BareListWindow()
{
    if (m_dialog != nullptr)
        ::DestroyWindow(m_dialog);
    if (m_marks != nullptr)
        ::ImageList_Destroy(m_marks);
    if (m_font != nullptr)
        ::DeleteObject(m_font);
}

void BareListWindow::SetUpList()
{
    // The list does not own the marks: LVS_SHAREIMAGELISTS.
    const LONG_PTR style = ::GetWindowLongPtrW(m_list, GWL_STYLE);
    ::SetWindowLongPtrW(m_list, GWL_STYLE,
                        style | LVS_OWNERDRAWFIXED | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS);
    for (int column = 0; column < kColumnCount; ++column) {
        LVCOLUMNW description = {};
        description.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        description.fmt = kColumns[column].format;
        description.cx = kColumns[column].width;
        description.pszText = const_cast<wchar_t*>(kColumns[column].heading);
        ::SendMessageW(m_list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&description));
    }
    ::SendMessageW(m_list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_marks));
    ::SendMessageW(m_list, LVM_SETBKCOLOR, 0, kBackColor);
}

void BareListWindow::UpdateCount()
{
    ::SendMessageW(m_list, LVM_SETITEMCOUNT, m_records.size(), LVSICF_NOSCROLL);
    ::InvalidateRect(m_list, nullptr, TRUE);
}

void BareListWindow::Show(std::vector<BareRecord> records)
{
    m_records = std::move(records);
    UpdateCount();
}

void BareListWindow::InsertAhead(std::vector<BareRecord> records)
{
    m_records.insert(m_records.begin(), std::make_move_iterator(records.begin()),
                     std::make_move_iterator(records.end()));
    UpdateCount();
}

void BareListWindow::EraseAhead(size_t count)
{
    m_records.erase(m_records.begin(), m_records.begin() + static_cast<std::ptrdiff_t>(count));
    UpdateCount();
}

void BareListWindow::Clear()
{
    m_records.clear();
    UpdateCount();
}

INT_PTR CALLBACK BareListWindow::DialogProc(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return TRUE;
    }
    const auto* self = reinterpret_cast<const BareListWindow*>(::GetWindowLongPtrW(dialog, DWLP_USER));
    if (self == nullptr)
        return FALSE;
    if (message == WM_DRAWITEM) {
        self->DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        ::SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == LVN_GETDISPINFOW) {
        self->GiveDisplayInfo(reinterpret_cast<NMLVDISPINFOW*>(lParam)->item);
        return TRUE;
    }
    return FALSE;
}

void BareListWindow::GiveDisplayInfo(LVITEMW& item) const
{
    if (item.iItem < 0 || item.iItem >= RowCount())
        return;
    const BareRecord& record = m_records[static_cast<size_t>(item.iItem)];
    if ((item.mask & LVIF_IMAGE) != 0)
        item.iImage = record.mark;
    if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
        const std::string& text = TextOf(record, item.iSubItem);
        const int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()),
                                                 item.pszText, item.cchTextMax - 1);
        item.pszText[length] = L'\0';
    }
}

void BareListWindow::DrawRow(const DRAWITEMSTRUCT& draw) const
{
    const int index = static_cast<int>(draw.itemID);
    if (index < 0 || index >= RowCount())
        return;
    const BareRecord& record = m_records[static_cast<size_t>(index)];
    const HDC dc = draw.hDC;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;

    ::SetBkColor(dc, selected ? ::GetSysColor(COLOR_HIGHLIGHT) : kBackColor);
    ::SetTextColor(dc, selected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : ::GetSysColor(COLOR_WINDOWTEXT));
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &draw.rcItem, nullptr, 0, nullptr);
    ::ImageList_Draw(m_marks, record.mark, dc, draw.rcItem.left, draw.rcItem.top, ILD_TRANSPARENT);

    const HGDIOBJ oldFont = ::SelectObject(dc, m_font);
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    RECT cell = draw.rcItem;
    cell.right = cell.left;
    for (int column = 0; column < kColumnCount; ++column) {
        cell.left = cell.right;
        cell.right = cell.left + kColumns[column].width;
        RECT text = cell;
        text.left += column == 0 ? 18 : 4;
        text.right -= 4;
        const std::string& value = TextOf(record, column);
        const UINT align = kColumns[column].format == LVCFMT_RIGHT ? DT_RIGHT : DT_LEFT;
        ::DrawTextA(dc, value.c_str(), static_cast<int>(value.size()), &text,
                    align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    ::SetBkMode(dc, oldMode);
    ::SelectObject(dc, oldFont);
}
