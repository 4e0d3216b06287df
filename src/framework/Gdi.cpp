#include "Gdi.h"

CGdiObject& CGdiObject::operator=(CGdiObject&& other) noexcept
{
    if (this != &other)
        Attach(other.Detach());
    return *this;
}

void CGdiObject::Attach(HGDIOBJ handle)
{
    if (handle == m_hObject)
        return;
    DeleteObject();
    m_hObject = handle;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ handle = m_hObject;
    m_hObject = nullptr;
    return handle;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}

BOOL CFont::CreateFontIndirect(const LOGFONTW* description)
{
    HFONT font = ::CreateFontIndirectW(description);
    if (font == nullptr)
        return FALSE;
    Attach(font);
    return TRUE;
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    HBRUSH brush = ::CreateSolidBrush(color);
    if (brush == nullptr)
        return FALSE;
    Attach(brush);
    return TRUE;
}

BOOL CBrush::CreatePatternBrush(HBITMAP bitmap)
{
    HBRUSH brush = ::CreatePatternBrush(bitmap);
    if (brush == nullptr)
        return FALSE;
    Attach(brush);
    return TRUE;
}

BOOL CBitmap::LoadBitmap(UINT resourceId)
{
    HBITMAP bitmap = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId));
    if (bitmap == nullptr)
        return FALSE;
    Attach(bitmap);
    return TRUE;
}

BOOL CBitmap::CreateCompatibleBitmap(HDC dc, int width, int height)
{
    HBITMAP bitmap = ::CreateCompatibleBitmap(dc, width, height);
    if (bitmap == nullptr)
        return FALSE;
    Attach(bitmap);
    return TRUE;
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
    HRGN region = ::CreateRectRgn(left, top, right, bottom);
    if (region == nullptr)
        return FALSE;
    Attach(region);
    return TRUE;
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
