#include "Gdi.h"

BOOL CFont::CreateFontIndirect(const LOGFONTW* description)
{
    return AttachMade(::CreateFontIndirectW(description));
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    return AttachMade(::CreateSolidBrush(color));
}

BOOL CBrush::CreatePatternBrush(HBITMAP bitmap)
{
    return AttachMade(::CreatePatternBrush(bitmap));
}

BOOL CBitmap::LoadBitmap(UINT resourceId)
{
    return AttachMade(::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId)));
}

BOOL CBitmap::CreateCompatibleBitmap(HDC dc, int width, int height)
{
    return AttachMade(::CreateCompatibleBitmap(dc, width, height));
}

CSize CBitmap::GetSize() const
{
    BITMAP info = {};
    if (GetObject(sizeof(info), &info) == 0)
        return CSize();
    return CSize(info.bmWidth, info.bmHeight);
}

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom)
{
    return AttachMade(::CreateRectRgn(left, top, right, bottom));
}

CDC::~CDC()
{
    if (m_owned && m_hDC != nullptr)
        ::DeleteDC(m_hDC);
}

BOOL CDC::CreateCompatibleDC(HDC reference)
{
    HDC dc = ::CreateCompatibleDC(reference);
    if (dc == nullptr)
        return FALSE;
    if (m_owned && m_hDC != nullptr)
        ::DeleteDC(m_hDC);
    m_hDC = dc;
    m_owned = true;
    return TRUE;
}

CSize CDC::GetTextExtent(const wchar_t* text, int length) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32W(m_hDC, text, length, &size);
    return CSize(size.cx, size.cy);
}

int CDC::GetTextFit(const CString& text, int maxWidth) const
{
    int fit = 0;
    SIZE size = {0, 0};
    if (!::GetTextExtentExPointW(m_hDC, text.GetString(), text.GetLength(), maxWidth, &fit, nullptr, &size))
        return text.GetLength();
    return fit;
}

CPaintDC::CPaintDC(HWND window) : m_window(window)
{
    m_hDC = ::BeginPaint(window, &m_ps);
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_window, &m_ps);
    m_hDC = nullptr;
}

CClientDC::CClientDC(HWND window) : m_window(window)
{
    m_hDC = ::GetDC(window);
}

CClientDC::~CClientDC()
{
    if (m_hDC != nullptr)
        ::ReleaseDC(m_window, m_hDC);
    m_hDC = nullptr;
}
