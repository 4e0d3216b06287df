#include "BackgroundSkin.h"

#include "../res/resource.h"

namespace {

// A pattern brush holding the piece of the bitmap that lies under a control, so
// that the control, filling from its own corner, continues the picture around it.
CBrush MakeControlBrush(CWnd& parent, int id, HBITMAP bitmap)
{
    CBrush brush;
    HWND control = ::GetDlgItem(parent.m_hWnd, id);
    if (control == nullptr)
        return brush;
    CRect place;
    ::GetWindowRect(control, &place);
    parent.ScreenToClient(&place);

    CClientDC parentDc(parent.m_hWnd);
    CDC source;
    CDC target;
    CBitmap piece;
    if (!source.CreateCompatibleDC(parentDc) || !target.CreateCompatibleDC(parentDc) ||
        !piece.CreateCompatibleBitmap(parentDc, place.Width(), place.Height()))
        return brush;
    {
        CSelectedObject sourceBitmap(source, bitmap);
        CSelectedObject targetBitmap(target, piece);
        target.BitBlt(0, 0, place.Width(), place.Height(), source, place.left, place.top, SRCCOPY);
    }
    brush.CreatePatternBrush(piece);
    return brush;
}

}  // namespace

void CBackgroundSkin::Load(CWnd& dialog)
{
    if (!m_hbmBackground.LoadBitmap(IDB_BACKGROUND))
        return;
    m_hbrList = MakeControlBrush(dialog, IDC_LIST, m_hbmBackground);
    m_hbrItemLabel = MakeControlBrush(dialog, IDC_ITEM_LABEL, m_hbmBackground);
    m_hbrLocationLabel = MakeControlBrush(dialog, IDC_LOCATION_LABEL, m_hbmBackground);
    m_hbrPriceLabel = MakeControlBrush(dialog, IDC_PRICE_LABEL, m_hbmBackground);
}

void CBackgroundSkin::Release()
{
    m_hbmBackground.DeleteObject();
    m_hbrList.DeleteObject();
    m_hbrItemLabel.DeleteObject();
    m_hbrLocationLabel.DeleteObject();
    m_hbrPriceLabel.DeleteObject();
}

void CBackgroundSkin::Paint(CDC& dc) const
{
    if (m_hbmBackground.IsEmpty())
        return;
    CDC memory;
    if (!memory.CreateCompatibleDC(dc))
        return;
    CSelectedObject selected(memory, m_hbmBackground);
    CSize size = m_hbmBackground.GetSize();
    dc.BitBlt(0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
}

HBRUSH CBackgroundSkin::BrushFor(int controlId) const
{
    switch (controlId) {
    case IDC_LIST:
        return m_hbrList;
    case IDC_ITEM_LABEL:
        return m_hbrItemLabel;
    case IDC_LOCATION_LABEL:
        return m_hbrLocationLabel;
    case IDC_PRICE_LABEL:
        return m_hbrPriceLabel;
    default:
        return nullptr;
    }
}
