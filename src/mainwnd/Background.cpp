// The gradient behind the entry panel, and the labels drawn on it without a box.
#include "ShoppingDlg.h"

#include "../res/resource.h"

namespace {

// A pattern brush holding the piece of the bitmap that lies under a control, so
// that the control, filling from its own corner, continues the picture around it.
HBRUSH MakeControlBrush(CWnd& parent, int id, HBITMAP bitmap)
{
    HWND control = ::GetDlgItem(parent.m_hWnd, id);
    if (control == nullptr)
        return nullptr;
    CRect place;
    ::GetWindowRect(control, &place);
    parent.ScreenToClient(&place);

    CClientDC parentDc(parent.m_hWnd);
    CDC source;
    CDC target;
    CBitmap piece;
    if (!source.CreateCompatibleDC(parentDc) || !target.CreateCompatibleDC(parentDc) ||
        !piece.CreateCompatibleBitmap(parentDc, place.Width(), place.Height()))
        return nullptr;
    {
        CSelectedObject sourceBitmap(source, bitmap);
        CSelectedObject targetBitmap(target, piece);
        target.BitBlt(0, 0, place.Width(), place.Height(), source, place.left, place.top, SRCCOPY);
    }
    return ::CreatePatternBrush(piece);
}

}  // namespace

void CShoppingDlg::InitBackground()
{
    if (!m_hbmBackground.LoadBitmap(IDB_BACKGROUND))
        return;
    m_hbrList.Attach(MakeControlBrush(*this, IDC_LIST, m_hbmBackground));
    m_hbrItemLabel.Attach(MakeControlBrush(*this, IDC_ITEM_LABEL, m_hbmBackground));
    m_hbrLocationLabel.Attach(MakeControlBrush(*this, IDC_LOCATION_LABEL, m_hbmBackground));
    m_hbrPriceLabel.Attach(MakeControlBrush(*this, IDC_PRICE_LABEL, m_hbmBackground));
}

void CShoppingDlg::ReleaseBackground()
{
    m_hbmBackground.DeleteObject();
    m_hbrList.DeleteObject();
    m_hbrItemLabel.DeleteObject();
    m_hbrLocationLabel.DeleteObject();
    m_hbrPriceLabel.DeleteObject();
}

void CShoppingDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    if (m_hbmBackground.IsEmpty())
        return;
    CDC memory;
    if (!memory.CreateCompatibleDC(dc))
        return;
    CSelectedObject selected(memory, m_hbmBackground);
    CSize size = m_hbmBackground.GetSize();
    dc.BitBlt(0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
}

LRESULT CShoppingDlg::OnCtlColorStatic(WPARAM dc, LPARAM control)
{
    int id = ::GetDlgCtrlID(reinterpret_cast<HWND>(control));
    ::SetBkMode(reinterpret_cast<HDC>(dc), TRANSPARENT);
    HGDIOBJ brush = nullptr;
    switch (id) {
    case IDC_LIST:
        brush = m_hbrList.GetSafeHandle();
        break;
    case IDC_ITEM_LABEL:
        brush = m_hbrItemLabel.GetSafeHandle();
        break;
    case IDC_LOCATION_LABEL:
        brush = m_hbrLocationLabel.GetSafeHandle();
        break;
    case IDC_PRICE_LABEL:
        brush = m_hbrPriceLabel.GetSafeHandle();
        break;
    default:
        break;
    }
    return reinterpret_cast<LRESULT>(brush);
}
