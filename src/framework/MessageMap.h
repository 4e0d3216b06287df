// Static message maps: a window class lists the messages, commands and notifications
// it handles in a compile-time table; dispatch walks the tables from the most derived
// class to CWnd. Each entry holds a plain function that calls the member handler, so
// no member-function pointer is ever cast.
//
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//       ON_COMMAND(ID_FILE_NEW, OnNew)                  // void CMyDlg::OnNew()
//       ON_COMMAND_FOR(ID_FILE_OPEN, m_files, OnOpen)   // void (type of m_files)::OnOpen()
//   END_MESSAGE_MAP()
#pragma once

#include <windows.h>

class CWnd;

// Messages a parent hands back to the child control that caused them.
constexpr UINT WM_REFLECT_BASE = 0xBC00;

struct CMessageMapEntry {
    UINT message;  // window message, or WM_REFLECT_BASE + message
    UINT code;     // notification code of WM_COMMAND or WM_NOTIFY
    UINT id;       // command or control id, 0 for window messages
    LRESULT (*handler)(CWnd& wnd, WPARAM wParam, LPARAM lParam);
};

struct CMessageMap {
    const CMessageMap* (*base)();
    const CMessageMapEntry* entries;  // ends with an entry whose handler is null
};

#define DECLARE_MESSAGE_MAP()                             \
protected:                                                \
    static const CMessageMap* GetThisMessageMap();        \
    const CMessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
    const CMessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const CMessageMap* theClass::GetThisMessageMap()                                   \
    {                                                                                  \
        using ThisClass = theClass;                                                    \
        using TheBaseClass = baseClass;                                                \
        static constexpr CMessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                           \
            {0, 0, 0, nullptr}};                                                    \
        static constexpr CMessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
        return &map;                                                                \
    }

// void fn() for a menu, tool-bar or accelerator command
#define ON_COMMAND(id, fn)                                                              \
    {WM_COMMAND, 0, static_cast<UINT>(id), [](CWnd& w, WPARAM, LPARAM) -> LRESULT {     \
         static_cast<ThisClass&>(w).fn();                                               \
         return 0;                                                                      \
     }},

// void member.fn() for a command that a part of the window carries out
#define ON_COMMAND_FOR(id, member, fn)                                                  \
    {WM_COMMAND, 0, static_cast<UINT>(id), [](CWnd& w, WPARAM, LPARAM) -> LRESULT {     \
         static_cast<ThisClass&>(w).member.fn();                                        \
         return 0;                                                                      \
     }},

// void fn() for a control notification sent as WM_COMMAND
#define ON_CONTROL(code, id, fn)                                                        \
    {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id),                        \
     [](CWnd& w, WPARAM, LPARAM) -> LRESULT {                                           \
         static_cast<ThisClass&>(w).fn();                                               \
         return 0;                                                                      \
     }},

#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)

// void fn(NMHDR* header, LRESULT* result) for WM_NOTIFY from control id
#define ON_NOTIFY(code, id, fn)                                                          \
    {WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id),                          \
     [](CWnd& w, WPARAM, LPARAM lp) -> LRESULT {                                         \
         LRESULT result = 0;                                                             \
         static_cast<ThisClass&>(w).fn(reinterpret_cast<NMHDR*>(lp), &result);           \
         return result;                                                                  \
     }},

// void fn(NMHDR* header, LRESULT* result) for the control's own WM_NOTIFY, reflected back
#define ON_NOTIFY_REFLECT(code, fn)                                                      \
    {WM_REFLECT_BASE + WM_NOTIFY, static_cast<UINT>(code), 0,                            \
     [](CWnd& w, WPARAM, LPARAM lp) -> LRESULT {                                         \
         LRESULT result = 0;                                                             \
         static_cast<ThisClass&>(w).fn(reinterpret_cast<NMHDR*>(lp), &result);           \
         return result;                                                                  \
     }},

// LRESULT fn(WPARAM, LPARAM)
#define ON_MESSAGE(message, fn)                                                          \
    {static_cast<UINT>(message), 0, 0, [](CWnd& w, WPARAM wp, LPARAM lp) -> LRESULT {    \
         return static_cast<ThisClass&>(w).fn(wp, lp);                                   \
     }},

// LRESULT member.fn(WPARAM, LPARAM) for a message that a part of the window handles
#define ON_MESSAGE_FOR(message, member, fn)                                              \
    {static_cast<UINT>(message), 0, 0, [](CWnd& w, WPARAM wp, LPARAM lp) -> LRESULT {    \
         return static_cast<ThisClass&>(w).member.fn(wp, lp);                            \
     }},

// void OnSize(UINT type, int cx, int cy)
#define ON_WM_SIZE()                                                                     \
    {WM_SIZE, 0, 0, [](CWnd& w, WPARAM wp, LPARAM lp) -> LRESULT {                       \
         static_cast<ThisClass&>(w).OnSize(static_cast<UINT>(wp), static_cast<short>(LOWORD(lp)), \
                                           static_cast<short>(HIWORD(lp)));              \
         return 0;                                                                       \
     }},

// void OnPaint()
#define ON_WM_PAINT()                                                                    \
    {WM_PAINT, 0, 0, [](CWnd& w, WPARAM, LPARAM) -> LRESULT {                            \
         static_cast<ThisClass&>(w).OnPaint();                                           \
         return 0;                                                                       \
     }},

// void OnSetFocus(CWnd* oldFocus); oldFocus is null for a window with no object of its own
#define ON_WM_SETFOCUS()                                                                 \
    {WM_SETFOCUS, 0, 0, [](CWnd& w, WPARAM wp, LPARAM) -> LRESULT {                      \
         static_cast<ThisClass&>(w).OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wp))); \
         return 0;                                                                       \
     }},

// void OnKillFocus(CWnd* newFocus); newFocus is null for a window with no object of its own
#define ON_WM_KILLFOCUS()                                                                \
    {WM_KILLFOCUS, 0, 0, [](CWnd& w, WPARAM wp, LPARAM) -> LRESULT {                     \
         static_cast<ThisClass&>(w).OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wp))); \
         return 0;                                                                       \
     }},

// void OnKeyDown(UINT key, UINT repeatCount, UINT flags)
#define ON_WM_KEYDOWN()                                                                  \
    {WM_KEYDOWN, 0, 0, [](CWnd& w, WPARAM wp, LPARAM lp) -> LRESULT {                    \
         static_cast<ThisClass&>(w).OnKeyDown(static_cast<UINT>(wp), LOWORD(lp), HIWORD(lp)); \
         return 0;                                                                       \
     }},

// void fn(UINT flags, CPoint point) for a mouse button message
#define ON_MOUSE_BUTTON_MESSAGE(message, fn)                                             \
    {static_cast<UINT>(message), 0, 0, [](CWnd& w, WPARAM wp, LPARAM lp) -> LRESULT {    \
         static_cast<ThisClass&>(w).fn(                                                  \
             static_cast<UINT>(wp),                                                      \
             CPoint(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))));    \
         return 0;                                                                       \
     }},

// void OnLButtonDown(UINT flags, CPoint point)
#define ON_WM_LBUTTONDOWN() ON_MOUSE_BUTTON_MESSAGE(WM_LBUTTONDOWN, OnLButtonDown)
// void OnRButtonDown(UINT flags, CPoint point)
#define ON_WM_RBUTTONDOWN() ON_MOUSE_BUTTON_MESSAGE(WM_RBUTTONDOWN, OnRButtonDown)
