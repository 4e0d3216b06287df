// CWnd: a C++ object bound to one window handle. Messages reach the object through
// its message map; WM_DRAWITEM and WM_NOTIFY are first offered to the child control
// that caused them.
#pragma once

#include "Failure.h"
#include "MessageMap.h"
#include "String.h"
#include "Types.h"

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }

    // The object bound to a window; nullptr for a window that has none.
    static CWnd* FromHandle(HWND hWnd);

    bool Attach(HWND hWnd);
    HWND Detach();
    // Binds an existing window to this object and routes its messages here.
    bool SubclassWindow(HWND hWnd);
    bool SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    bool CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style,
                  const RECT& rect, CWnd* parent, UINT id);
    virtual BOOL DestroyWindow();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }

    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
    // New style = (old style without remove) with add; flags other than 0 also
    // reposition the window with them (SWP_FRAMECHANGED and the like).
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);

    void SetDlgItemText(int id, const wchar_t* text) { ::SetDlgItemTextW(m_hWnd, id, text); }
    CString GetDlgItemText(int id) const;
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendDlgItemMessageW(m_hWnd, id, message, wParam, lParam);
    }
    UINT IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
    void CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }

    void SetWindowText(const wchar_t* text) { ::SetWindowTextW(m_hWnd, text); }
    CString GetWindowText() const;

    // Returns the window that had the focus.
    HWND SetFocus() { return ::SetFocus(m_hWnd); }
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
    void SetRedraw(BOOL redraw = TRUE) { SendMessage(WM_SETREDRAW, redraw, 0); }
    void SetFont(HFONT font, BOOL redraw = TRUE) { SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw); }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }

    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
    void ScreenToClient(RECT* rect) const;
    void ClientToScreen(RECT* rect) const;
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags)
    {
        return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
    }

    HICON SetIcon(HICON icon, BOOL bigIcon);

    // Offered a message that this control caused in its parent; true when handled.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // Offered a message from the message loop before it is dispatched, first by the
    // window it is for, then by each parent up to the top-level window; true when the
    // message has been handled (a dialog's keyboard navigation, a window's keys).
    virtual BOOL PreTranslateMessage(MSG*) { return FALSE; }

protected:
    // A handler threw and was stopped: what it was doing is undone or was never done.
    // A window hands the failure to its parent (or owner); the window that can tell
    // the user overrides this.
    virtual void ReportFailure(const CFailure& failure);
    // Called from the guard's catch block for what a handler of message threw.
    void OnStrayException(UINT message) noexcept;

    static const CMessageMap* GetThisMessageMap();
    virtual const CMessageMap* GetMessageMap() const { return GetThisMessageMap(); }

    virtual void PreSubclassWindow() {}
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Routes one message through reflection and the message maps; true when handled.
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled.
    LRESULT Default();

    bool ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    bool DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    static LRESULT CALLBACK StdWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    // The message being handled, for Default().
    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };
    CurrentMessage m_currentMsg;

    class CurrentMessageScope {
    public:
        CurrentMessageScope(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam)
            : m_wnd(wnd), m_saved(wnd.m_currentMsg)
        {
            m_wnd.m_currentMsg = {message, wParam, lParam};
        }
        ~CurrentMessageScope() { m_wnd.m_currentMsg = m_saved; }
        CurrentMessageScope(const CurrentMessageScope&) = delete;
        CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;

    private:
        CWnd& m_wnd;
        CurrentMessage m_saved;
    };

private:
    WNDPROC m_pfnSuper = nullptr;
    // A failure of a message that comes again by itself (a paint, a notification) has
    // been told: it is not told at each repetition.
    bool m_repeatedFailureTold = false;
};

// What every message loop of the program does with a message before dispatching it:
// offers it to the PreTranslateMessage of its window and of that window's parents.
// True when one of them handled it; the loop then neither translates nor dispatches it.
BOOL AfxPreTranslateMessage(MSG* msg);
