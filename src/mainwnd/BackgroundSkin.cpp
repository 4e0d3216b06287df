#include "BackgroundSkin.h"

#include "../framework/ImageScale.h"
#include "../res/resource.h"

#include <iterator>
#include <utility>

namespace {

constexpr int kBrushedControls[] = {IDC_LIST, IDC_ITEM_LABEL, IDC_LOCATION_LABEL, IDC_PRICE_LABEL};

CRect PlaceOf(CWnd& parent, int id)
{
    CRect place;
    if (HWND control = ::GetDlgItem(parent.m_hWnd, id)) {
        ::GetWindowRect(control, &place);
        parent.ScreenToClient(&place);
    }
    return place;
}

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

void CBackgroundSkin::Load(UINT dpi)
{
    m_picture.LoadBitmap(ScaledImageId(IDB_BACKGROUND, dpi));
}

void CBackgroundSkin::MakeBrushes(CWnd& dialog)
{
    if (m_picture.IsEmpty())
        return;
    CRect client;
    dialog.GetClientRect(&client);
    {
        CClientDC dc(dialog.m_hWnd);
        WidenTo(dc, client.Width());
    }
    // Made again only when a control or the picture has changed.
    std::array<CRect, std::size(kBrushedControls)> places;
    for (size_t i = 0; i < places.size(); ++i)
        places[i] = PlaceOf(dialog, kBrushedControls[i]);
    if (places == m_brushedPlaces && m_picture.GetSafeHandle() == m_brushedPicture)
        return;
    m_brushedPlaces = places;
    m_brushedPicture = m_picture.GetSafeHandle();
    m_listBrush = MakeControlBrush(dialog, IDC_LIST, m_picture);
    m_itemLabelBrush = MakeControlBrush(dialog, IDC_ITEM_LABEL, m_picture);
    m_locationLabelBrush = MakeControlBrush(dialog, IDC_LOCATION_LABEL, m_picture);
    m_priceLabelBrush = MakeControlBrush(dialog, IDC_PRICE_LABEL, m_picture);
}

void CBackgroundSkin::WidenTo(HDC reference, int width)
{
    const CSize size = m_picture.GetSize();
    if (width <= size.cx)
        return;
    CDC source;
    CDC target;
    CBitmap wider;
    if (!source.CreateCompatibleDC(reference) || !target.CreateCompatibleDC(reference) ||
        !wider.CreateCompatibleBitmap(reference, width, size.cy))
        return;
    {
        CSelectedObject sourceBitmap(source, m_picture);
        CSelectedObject targetBitmap(target, wider);
        target.StretchBlt(0, 0, width, size.cy, source, 0, 0, size.cx, size.cy, SRCCOPY);
    }
    m_picture = std::move(wider);
}

void CBackgroundSkin::Release()
{
    m_picture.DeleteObject();
    m_listBrush.DeleteObject();
    m_itemLabelBrush.DeleteObject();
    m_locationLabelBrush.DeleteObject();
    m_priceLabelBrush.DeleteObject();
}

void CBackgroundSkin::Paint(CDC& dc) const
{
    if (m_picture.IsEmpty())
        return;
    CDC memory;
    if (!memory.CreateCompatibleDC(dc))
        return;
    CSelectedObject selected(memory, m_picture);
    CSize size = m_picture.GetSize();
    dc.BitBlt(0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
}

void CBackgroundSkin::Erase(CDC& dc, const RECT& client) const
{
    // Below the picture the dialog's own colour, as the platform would erase it.
    const int below = m_picture.IsEmpty() ? client.top : m_picture.GetSize().cy;
    if (below < client.bottom) {
        const RECT rest = {client.left, below, client.right, client.bottom};
        dc.FillRect(&rest, ::GetSysColorBrush(COLOR_3DFACE));
    }
    Paint(dc);
}

HBRUSH CBackgroundSkin::BrushFor(int controlId) const
{
    switch (controlId) {
    case IDC_LIST:
        return m_listBrush;
    case IDC_ITEM_LABEL:
        return m_itemLabelBrush;
    case IDC_LOCATION_LABEL:
        return m_locationLabelBrush;
    case IDC_PRICE_LABEL:
        return m_priceLabelBrush;
    default:
        return nullptr;
    }
}
