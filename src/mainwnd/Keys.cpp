#include "Keys.h"

#include "../res/resource.h"

#include <algorithm>

namespace {

bool IsEntryField(HWND window)
{
    wchar_t className[16] = L"";
    return ::GetClassNameW(window, className, 16) > 0 && ::lstrcmpiW(className, L"Edit") == 0;
}

}  // namespace

void CWindowKeys::Load(UINT resourceId, const CItemListCtrl& listCtrl)
{
    std::vector<ACCEL> keys = CAcceleratorTable::LoadKeys(resourceId);
    m_listKeys.Create(keys);
    keys.erase(std::remove_if(keys.begin(), keys.end(),
                              [&listCtrl](const ACCEL& key) {
                                  return key.cmd == ID_ITEM_MENU || listCtrl.HasMenuCommand(key.cmd);
                              }),
               keys.end());
    m_windowKeys.Create(keys);
    keys.erase(std::remove_if(keys.begin(), keys.end(),
                              [](const ACCEL& key) { return key.cmd == ID_EDIT_UNDO; }),
               keys.end());
    m_fieldKeys.Create(keys);
}

bool CWindowKeys::Translate(HWND window, const CItemListCtrl& listCtrl, MSG* msg)
{
    if ((msg->message == WM_SYSKEYUP || msg->message == WM_KEYUP) && msg->wParam == VK_MENU && m_ranAltKey) {
        m_ranAltKey = false;
        return true;
    }
    const CAcceleratorTable& keys = msg->hwnd == listCtrl.m_hWnd ? m_listKeys
                                    : IsEntryField(msg->hwnd) ? m_fieldKeys
                                                              : m_windowKeys;
    if (!keys.Translate(window, msg))
        return false;
    m_ranAltKey = msg->message == WM_SYSKEYDOWN;
    return true;
}
