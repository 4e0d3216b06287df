// Small value types of the window layer: points, sizes and rectangles.
#pragma once

#include <windows.h>

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int x0, int y0) : POINT{x0, y0} {}
};

class CSize : public SIZE {
public:
    CSize() : SIZE{0, 0} {}
    CSize(int cx0, int cy0) : SIZE{cx0, cy0} {}
};

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& rc) : RECT(rc) {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    void OffsetRect(int dx, int dy) { ::OffsetRect(this, dx, dy); }
    bool IsRectEmpty() const { return ::IsRectEmpty(this) != FALSE; }
    bool operator==(const RECT& other) const { return ::EqualRect(this, &other) != FALSE; }
    bool operator!=(const RECT& other) const { return !(*this == other); }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
};
