#include "Canvas.h"

namespace {

CSize ClientSize(HWND window)
{
    CRect client;
    ::GetClientRect(window, &client);
    return CSize(client.Width(), client.Height());
}

}  // namespace

Canvas::Canvas(int width, int height, COLORREF fill)
    : m_surface(std::make_unique<Surface>()), m_width(width), m_height(height)
{
    CClientDC screen(nullptr);
    m_surface->dc.CreateCompatibleDC(screen);
    m_surface->bitmap.CreateCompatibleBitmap(screen, width, height);
    m_surface->selected.emplace(m_surface->dc, m_surface->bitmap.GetSafeHandle());
    CBrush brush;
    brush.CreateSolidBrush(fill);
    const CRect all = Area();
    DC().FillRect(&all, brush);
}

Canvas::Canvas(HWND window) : Canvas(ClientSize(window).cx, ClientSize(window).cy, RGB(0, 0, 0))
{
    CClientDC shown(window);
    DC().BitBlt(0, 0, m_width, m_height, shown, 0, 0, SRCCOPY);
}

int Canvas::CountOf(COLORREF color, const CRect& area) const
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += Pixel(x, y) == color ? 1 : 0;
    return count;
}

int Canvas::Differences(const Canvas& other, const CRect& area) const
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += Pixel(x, y) != other.Pixel(x, y) ? 1 : 0;
    return count;
}

int Canvas::Differences(HWND window, const CRect& area) const
{
    return Differences(Canvas(window), area);
}
