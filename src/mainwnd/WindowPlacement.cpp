#include "WindowPlacement.h"

#include "../framework/Dpi.h"
#include "../framework/RegKey.h"

#include <algorithm>
#include <sstream>
#include <string>

namespace {

const wchar_t kSettingsKey[] = L"Software\\Gromble";

struct WindowValue {
    const wchar_t* name;
    LONG RECT::*edge;
};

constexpr WindowValue kEdges[] = {
    {L"WindowLeft", &RECT::left},
    {L"WindowTop", &RECT::top},
    {L"WindowRight", &RECT::right},
    {L"WindowBottom", &RECT::bottom},
};
const wchar_t kMaximized[] = L"WindowMaximized";
const wchar_t kColumnWidths[] = L"ColumnWidths";

std::vector<int> ReadWidths(const CString& text)
{
    std::vector<int> widths;
    std::wistringstream numbers(text.str());
    for (int width = 0; numbers >> width;)
        widths.push_back(width);
    return widths;
}

CString WrittenWidths(const std::vector<int>& widths)
{
    std::wstring text;
    for (int width : widths)
        text += (text.empty() ? L"" : L" ") + std::to_wstring(width);
    return CString(text);
}

}  // namespace

RECT OnAMonitor(const RECT& rect)
{
    if (::MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr)
        return rect;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    if (!::GetMonitorInfoW(::MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor))
        return rect;
    const RECT& work = monitor.rcWork;
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    const LONG left = std::max(work.left, std::min(rect.left, work.right - width));
    const LONG top = std::max(work.top, std::min(rect.top, work.bottom - height));
    return {left, top, left + width, top + height};
}

void RestoreWindowPlace(HWND window, UINT dpi, CItemListCtrl& list)
{
    CRegKey settings;
    if (settings.Open(HKEY_CURRENT_USER, kSettingsKey) != ERROR_SUCCESS)
        return;
    CString widths;
    if (settings.QueryStringValue(kColumnWidths, widths) == ERROR_SUCCESS)
        list.SetUserColumnWidths(ReadWidths(widths));

    RECT place = {};
    for (const WindowValue& value : kEdges) {
        DWORD at = 0;
        if (settings.QueryDWORDValue(value.name, at) != ERROR_SUCCESS)
            return;
        place.*value.edge = ScaleToDpi(static_cast<LONG>(at), dpi);
    }
    if (place.right <= place.left || place.bottom <= place.top)
        return;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (!::GetWindowPlacement(window, &placement))
        return;
    DWORD maximized = 0;
    settings.QueryDWORDValue(kMaximized, maximized);
    placement.rcNormalPosition = OnAMonitor(place);
    placement.showCmd = maximized != 0 ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    ::SetWindowPlacement(window, &placement);
}

void SaveWindowPlace(HWND window, UINT dpi, const CItemListCtrl& list)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    CRegKey settings;
    if (!::GetWindowPlacement(window, &placement) || settings.Create(HKEY_CURRENT_USER, kSettingsKey) != ERROR_SUCCESS)
        return;
    for (const WindowValue& value : kEdges)
        settings.SetDWORDValue(value.name, static_cast<DWORD>(ScaleFromDpi(placement.rcNormalPosition.*value.edge, dpi)));
    const bool maximized = placement.showCmd == SW_SHOWMAXIMIZED ||
                           (placement.showCmd == SW_SHOWMINIMIZED && (placement.flags & WPF_RESTORETOMAXIMIZED) != 0);
    settings.SetDWORDValue(kMaximized, maximized ? 1 : 0);
    settings.SetStringValue(kColumnWidths, WrittenWidths(list.UserColumnWidths()));
}
