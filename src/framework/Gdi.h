// Owners of GDI objects and device contexts. Each owner releases its handle once,
// when it is replaced or destroyed; SelectObject hands back the previous object,
// which the caller selects back before the context is released.
#pragma once

#include "Handle.h"
#include "String.h"
#include "Types.h"

#include <type_traits>

struct CGdiObjectTraits {
    using Handle = HGDIOBJ;
    static BOOL Release(HGDIOBJ object) { return ::DeleteObject(object); }
};

class CGdiObject : public CHandle<CGdiObjectTraits> {
public:
    BOOL DeleteObject() { return Release(); }
    int GetObject(int size, void* buffer) const { return ::GetObjectW(GetSafeHandle(), size, buffer); }
};

class CFont : public CGdiObject {
public:
    operator HFONT() const { return static_cast<HFONT>(GetSafeHandle()); }
    // Makes a font and, when one is made, releases the font held before.
    BOOL CreateFontIndirect(const LOGFONTW* description);
};

class CBrush : public CGdiObject {
public:
    operator HBRUSH() const { return static_cast<HBRUSH>(GetSafeHandle()); }
    BOOL CreateSolidBrush(COLORREF color);
    BOOL CreatePatternBrush(HBITMAP bitmap);
};
// A brush made for a control is handed to its owner by value.
static_assert(std::is_nothrow_move_constructible_v<CBrush> && std::is_nothrow_move_assignable_v<CBrush>);

class CBitmap : public CGdiObject {
public:
    operator HBITMAP() const { return static_cast<HBITMAP>(GetSafeHandle()); }
    BOOL LoadBitmap(UINT resourceId);
    BOOL CreateCompatibleBitmap(HDC dc, int width, int height);
    CSize GetSize() const;
};

class CRgn : public CGdiObject {
public:
    operator HRGN() const { return static_cast<HRGN>(GetSafeHandle()); }
    BOOL CreateRectRgn(int left, int top, int right, int bottom);
};

// A device context; owns it only when made by CreateCompatibleDC.
class CDC {
public:
    CDC() = default;
    explicit CDC(HDC dc) : m_hDC(dc) {}
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    operator HDC() const { return m_hDC; }

    BOOL CreateCompatibleDC(HDC reference);

    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int saved) { return ::RestoreDC(m_hDC, saved); }
    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
    int SelectClipRgn(const CRgn& region) { return ::SelectClipRgn(m_hDC, region); }
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    int DrawText(const wchar_t* text, int length, RECT* rect, UINT format)
    {
        return ::DrawTextW(m_hDC, text, length, rect, format);
    }
    int DrawText(const CString& text, RECT* rect, UINT format)
    {
        return DrawText(text.GetString(), text.GetLength(), rect, format);
    }
    CSize GetTextExtent(const wchar_t* text, int length) const;
    CSize GetTextExtent(const CString& text) const { return GetTextExtent(text, text.GetLength()); }
    // How many leading characters of text are at most maxWidth wide together.
    int GetTextFit(const CString& text, int maxWidth) const;
    void FillRect(const RECT* rect, HBRUSH brush) { ::FillRect(m_hDC, rect, brush); }
    BOOL BitBlt(int x, int y, int width, int height, HDC source, int xSource, int ySource, DWORD rop)
    {
        return ::BitBlt(m_hDC, x, y, width, height, source, xSource, ySource, rop);
    }
    BOOL StretchBlt(int x, int y, int width, int height, HDC source, int xSource, int ySource, int sourceWidth,
                    int sourceHeight, DWORD rop)
    {
        return ::StretchBlt(m_hDC, x, y, width, height, source, xSource, ySource, sourceWidth, sourceHeight, rop);
    }
    BOOL DrawIconEx(int x, int y, HICON icon, int width, int height, UINT flags)
    {
        return ::DrawIconEx(m_hDC, x, y, icon, width, height, 0, nullptr, flags);
    }

private:
    bool m_owned = false;
};

// Begins painting a window in its constructor and ends it in its destructor.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND window);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps = {};

private:
    HWND m_window;
};

// A window's client-area context, released in the destructor.
class CClientDC : public CDC {
public:
    explicit CClientDC(HWND window);
    ~CClientDC() override;

private:
    HWND m_window;
};

// Selects an object into a context and selects the previous one back at the end.
class CSelectedObject {
public:
    CSelectedObject(CDC& dc, HGDIOBJ object) : m_dc(dc), m_previous(dc.SelectObject(object)) {}
    ~CSelectedObject() { m_dc.SelectObject(m_previous); }
    CSelectedObject(const CSelectedObject&) = delete;
    CSelectedObject& operator=(const CSelectedObject&) = delete;

private:
    CDC& m_dc;
    HGDIOBJ m_previous;
};

// Saves a context's state in its constructor and restores it in its destructor:
// colours, font, clip region and the other selected objects come back as they were.
class CSavedDCState {
public:
    explicit CSavedDCState(CDC& dc) : m_dc(dc), m_saved(dc.SaveDC()) {}
    ~CSavedDCState()
    {
        if (m_saved != 0)
            m_dc.RestoreDC(m_saved);
    }
    CSavedDCState(const CSavedDCState&) = delete;
    CSavedDCState& operator=(const CSavedDCState&) = delete;

private:
    CDC& m_dc;
    int m_saved;
};
