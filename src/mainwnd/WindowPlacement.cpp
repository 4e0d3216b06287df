#include "WindowPlacement.h"

#include "../framework/Dpi.h"
#include "../framework/RegKey.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <string>

namespace {

const wchar_t kSettingsKey[] = L"Software\\Gromble";
// "left top right bottom" of the window when not maximized, in screen pixels at 96
// DPI, with two decimals so that they come back to the pixel at any scale.
const wchar_t kPlace[] = L"WindowPlace";
const wchar_t kMaximized[] = L"WindowMaximized";
// A width a column, the same way; 0 for a column the user has not set.
const wchar_t kColumnWidths[] = L"ColumnWidths";

std::vector<double> ReadNumbers(const CString& text)
{
    std::vector<double> numbers;
    const wchar_t* at = text.GetString();
    for (;;) {
        wchar_t* end = nullptr;
        const double number = std::wcstod(at, &end);
        if (end == at)
            return numbers;
        numbers.push_back(number);
        at = end;
    }
}

CString WrittenNumbers(const std::vector<double>& numbers)
{
    std::wstring text;
    for (double number : numbers) {
        wchar_t written[32];
        std::swprintf(written, 32, L"%.2f", number);
        text += (text.empty() ? L"" : L" ") + std::wstring(written);
    }
    return CString(text);
}

double To96(LONG pixels, UINT dpi)
{
    return pixels * static_cast<double>(DefaultDpi) / dpi;
}

LONG FromDpi96(double pixels, UINT dpi)
{
    return std::lround(pixels * dpi / DefaultDpi);
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
    CString text;
    if (settings.QueryStringValue(kColumnWidths, text) == ERROR_SUCCESS)
        list.SetUserColumnWidths(ReadNumbers(text));

    if (settings.QueryStringValue(kPlace, text) != ERROR_SUCCESS)
        return;
    const std::vector<double> edges = ReadNumbers(text);
    if (edges.size() != 4)
        return;
    const RECT place = {FromDpi96(edges[0], dpi), FromDpi96(edges[1], dpi), FromDpi96(edges[2], dpi),
                        FromDpi96(edges[3], dpi)};
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (place.right <= place.left || place.bottom <= place.top || !::GetWindowPlacement(window, &placement))
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
    const RECT& place = placement.rcNormalPosition;
    settings.SetStringValue(kPlace, WrittenNumbers({To96(place.left, dpi), To96(place.top, dpi),
                                                    To96(place.right, dpi), To96(place.bottom, dpi)}));
    const bool maximized = placement.showCmd == SW_SHOWMAXIMIZED ||
                           (placement.showCmd == SW_SHOWMINIMIZED && (placement.flags & WPF_RESTORETOMAXIMIZED) != 0);
    settings.SetDWORDValue(kMaximized, maximized ? 1 : 0);
    settings.SetStringValue(kColumnWidths, WrittenNumbers(list.UserColumnWidths()));
}
