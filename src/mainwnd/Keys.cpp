#include "Keys.h"

#include "../res/resource.h"

#include <algorithm>

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
}

bool CWindowKeys::Translate(HWND window, const CItemListCtrl& listCtrl, MSG* msg)
{
    if ((msg->message == WM_SYSKEYUP || msg->message == WM_KEYUP) && msg->wParam == VK_MENU && m_ranAltKey) {
        m_ranAltKey = false;
        return true;
    }
    const CAcceleratorTable& keys = msg->hwnd == listCtrl.m_hWnd ? m_listKeys : m_windowKeys;
    if (!keys.Translate(window, msg))
        return false;
    m_ranAltKey = msg->message == WM_SYSKEYDOWN;
    return true;
}
