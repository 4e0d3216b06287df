#include "AcceleratorTable.h"

std::vector<ACCEL> CAcceleratorTable::LoadKeys(UINT resourceId)
{
    // A loaded table belongs to the system, which frees it with the program.
    HACCEL loaded = ::LoadAcceleratorsW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId));
    const int count = loaded != nullptr ? ::CopyAcceleratorTableW(loaded, nullptr, 0) : 0;
    std::vector<ACCEL> keys(static_cast<size_t>(count));
    if (count > 0)
        ::CopyAcceleratorTableW(loaded, keys.data(), count);
    return keys;
}

BOOL CAcceleratorTable::Translate(HWND target, MSG* msg) const
{
    // Wine's default handling takes a release of Alt with no other key seen in between
    // as the way into the window's menu: the table's own Alt keys are never seen there.
    thread_local bool ranAltKey = false;
    if ((msg->message == WM_SYSKEYUP || msg->message == WM_KEYUP) && msg->wParam == VK_MENU && ranAltKey) {
        ranAltKey = false;
        return TRUE;
    }
    if (IsEmpty() || !::TranslateAcceleratorW(target, GetSafeHandle(), msg))
        return FALSE;
    ranAltKey = msg->message == WM_SYSKEYDOWN;
    return TRUE;
}

BOOL CAcceleratorTable::Create(const std::vector<ACCEL>& keys)
{
    if (keys.empty())
        return FALSE;
    std::vector<ACCEL> copy(keys);
    return AttachMade(::CreateAcceleratorTableW(copy.data(), static_cast<int>(copy.size())));
}
