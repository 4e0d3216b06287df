#include "Wnd.h"

#include <unordered_map>
#include <vector>

namespace {

std::unordered_map<HWND, CWnd*>& PermanentMap()
{
    thread_local std::unordered_map<HWND, CWnd*> map;
    return map;
}

// What the user started: each stop there is told. A message that comes again by
// itself (a paint, a notification) is told of once, and not at all when memory ran
// out: it comes again.
bool IsUserCommandOrInput(UINT message)
{
    return message == WM_COMMAND || message == WM_SYSCOMMAND || (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

// The notice's own box runs messages that may fail too: one notice at a time.
thread_local bool t_reportingFailure = false;

bool NotificationCodeMatches(UINT entryCode, UINT code)
{
    return (entryCode & 0xFFFF) == (code & 0xFFFF);
}

CString WindowTextOf(HWND hWnd)
{
    // Grow until the whole text fits: a text can change length between the two calls.
    int capacity = ::GetWindowTextLengthW(hWnd) + 1;
    for (;;) {
        std::vector<wchar_t> buffer(static_cast<size_t>(capacity) + 1, L'\0');
        int copied = ::GetWindowTextW(hWnd, buffer.data(), static_cast<int>(buffer.size()));
        if (copied < static_cast<int>(buffer.size()) - 1)
            return CString(buffer.data(), copied);
        capacity *= 2;
    }
}

}  // namespace

CWnd::~CWnd()
{
    if (m_hWnd == nullptr || FromHandle(m_hWnd) != this)
        return;
    if (m_pfnSuper != nullptr) {
        UnsubclassWindow();
    } else {
        HWND hWnd = Detach();
        ::DestroyWindow(hWnd);
    }
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    auto& map = PermanentMap();
    auto found = map.find(hWnd);
    return found == map.end() ? nullptr : found->second;
}

bool CWnd::Attach(HWND hWnd)
{
    if (hWnd == nullptr || m_hWnd != nullptr || FromHandle(hWnd) != nullptr)
        return false;
    m_hWnd = hWnd;
    PermanentMap()[hWnd] = this;
    return true;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr)
        PermanentMap().erase(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

bool CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return false;
    PreSubclassWindow();
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StdWindowProc)));
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    HWND control = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    return control != nullptr && SubclassWindow(control);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper != nullptr) {
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        m_pfnSuper = nullptr;
    }
    return Detach();
}

bool CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id)
{
    HWND hWnd = ::CreateWindowExW(exStyle, className, windowName, style, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top,
                                  parent ? parent->m_hWnd : nullptr,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                  ::GetModuleHandleW(nullptr), nullptr);
    if (hWnd == nullptr)
        return false;
    if (!SubclassWindow(hWnd)) {
        ::DestroyWindow(hWnd);
        return false;
    }
    return true;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd != nullptr && ::DestroyWindow(m_hWnd);
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags)
{
    DWORD style = GetStyle();
    DWORD newStyle = (style & ~remove) | add;
    if (style == newStyle)
        return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(newStyle));
    if (flags != 0)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

CString CWnd::GetDlgItemText(int id) const
{
    HWND control = ::GetDlgItem(m_hWnd, id);
    return control != nullptr ? WindowTextOf(control) : CString();
}

CString CWnd::GetWindowText() const
{
    return WindowTextOf(m_hWnd);
}

void CWnd::ScreenToClient(RECT* rect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(rect), 2);
}

void CWnd::ClientToScreen(RECT* rect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(rect), 2);
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

const CMessageMap* CWnd::GetThisMessageMap()
{
    static constexpr CMessageMapEntry entries[] = {{0, 0, 0, nullptr}};
    static constexpr CMessageMap map = {nullptr, entries};
    return &map;
}

LRESULT CALLBACK CWnd::StdWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandle(hWnd);
    if (wnd == nullptr)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);

    LRESULT result = 0;
    try {
        result = wnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind through the platform's window procedure.
        wnd->OnStrayException(message);
        result = 0;
        // A paint that failed leaves the window invalid: it would be sent again at once,
        // and again, for as long as the failure lasts.
        if (message == WM_PAINT)
            ::ValidateRect(hWnd, nullptr);
    }
    if (message == WM_NCDESTROY)
        wnd->UnsubclassWindow();
    return result;
}

void CWnd::OnStrayException(UINT message) noexcept
{
    const CFailure failure = DescribeFailure(std::current_exception());
    if (t_reportingFailure)
        return;
    if (!IsUserCommandOrInput(message)) {
        if (failure.outOfMemory || m_repeatedFailureTold)
            return;
        m_repeatedFailureTold = true;
    }
    t_reportingFailure = true;
    try {
        ReportFailure(failure);
    } catch (...) {
        // Not even the notice could be shown.
    }
    t_reportingFailure = false;
}

void CWnd::ReportFailure(const CFailure& failure)
{
    if (CWnd* parent = FromHandle(::GetParent(m_hWnd)))
        parent->ReportFailure(failure);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CurrentMessageScope scope(*this, message, wParam, lParam);
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        CWnd* child = FromHandle(header->hwndFrom);
        if (child != nullptr && child != this && child->OnChildNotify(message, wParam, lParam, result))
            return true;
    } else if (message == WM_DRAWITEM) {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        CWnd* child = draw->CtlType == ODT_MENU ? nullptr : FromHandle(draw->hwndItem);
        if (child != nullptr && child->OnChildNotify(message, wParam, lParam, result)) {
            *result = TRUE;
            return true;
        }
    }
    return DispatchToMap(message, wParam, lParam, result);
}

bool CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return ReflectChildNotify(message, wParam, lParam, result);
}

bool CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return DispatchToMap(WM_REFLECT_BASE + message, wParam, lParam, result);
}

bool CWnd::DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    for (const CMessageMap* map = GetMessageMap(); map != nullptr;
         map = map->base ? map->base() : nullptr) {
        for (const CMessageMapEntry* entry = map->entries; entry->handler != nullptr; ++entry) {
            if (entry->message != message)
                continue;
            if (message == WM_COMMAND) {
                UINT code = HIWORD(wParam);
                bool codeMatches = entry->code == 0 ? code <= 1 : entry->code == code;
                if (!codeMatches || entry->id != LOWORD(wParam))
                    continue;
            } else if (message == WM_NOTIFY) {
                auto* header = reinterpret_cast<NMHDR*>(lParam);
                if (!NotificationCodeMatches(entry->code, header->code) || entry->id != header->idFrom)
                    continue;
            } else if (message == WM_REFLECT_BASE + WM_NOTIFY) {
                auto* header = reinterpret_cast<NMHDR*>(lParam);
                if (!NotificationCodeMatches(entry->code, header->code))
                    continue;
            }
            *result = entry->handler(*this, wParam, lParam);
            return true;
        }
    }
    return false;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam);
}

BOOL AfxPreTranslateMessage(MSG* msg)
{
    for (HWND hWnd = msg->hwnd; hWnd != nullptr;) {
        CWnd* wnd = CWnd::FromHandle(hWnd);
        if (wnd != nullptr && wnd->PreTranslateMessage(msg))
            return TRUE;
        // A top-level window's parent is its owner, whose keys are not its own.
        if ((::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD) == 0)
            break;
        hWnd = ::GetParent(hWnd);
    }
    return FALSE;
}
