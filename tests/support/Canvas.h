// Pixels for the tests that look at what is drawn: a bitmap in a memory context of
// its own, which the code under test paints into or a window's pixels are copied into.
#pragma once

#include "framework/Gdi.h"

#include <memory>
#include <optional>

class Canvas {
public:
    // A bitmap of this size, filled with one colour.
    Canvas(int width, int height, COLORREF fill);
    // A copy of what the window shows in its client area now.
    explicit Canvas(HWND window);

    CDC& DC() const { return m_surface->dc; }
    CRect Area() const { return CRect(0, 0, m_width, m_height); }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(DC(), x, y); }

    int CountOf(COLORREF color, const CRect& area) const;
    int Differences(const Canvas& other, const CRect& area) const;
    int Differences(const Canvas& other) const { return Differences(other, Area()); }
    // Against what the window shows, at the same client coordinates.
    int Differences(HWND window, const CRect& area) const;

private:
    struct Surface {
        CDC dc;
        CBitmap bitmap;
        std::optional<CSelectedObject> selected;
    };
    std::unique_ptr<Surface> m_surface;
    int m_width;
    int m_height;
};
