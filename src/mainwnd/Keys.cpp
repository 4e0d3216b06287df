// The keys of the main window: one accelerator table, whose keys run the commands of
// the menus' entries.
#include "ShoppingDlg.h"

#include "../res/resource.h"

#include <algorithm>

void CShoppingDlg::LoadKeys()
{
    std::vector<ACCEL> keys = CAcceleratorTable::LoadKeys(IDR_MAINFRAME);
    m_listKeys.Create(keys);
    // Outside the list Delete deletes a character, Space types a space and Enter taps
    // the Add button: the keys that act on the focused row count only in the list.
    keys.erase(std::remove_if(keys.begin(), keys.end(),
                              [this](const ACCEL& key) {
                                  return key.cmd == ID_ITEM_MENU || m_list.HasMenuCommand(key.cmd);
                              }),
               keys.end());
    m_windowKeys.Create(keys);
}

BOOL CShoppingDlg::PreTranslateMessage(MSG* msg)
{
    const CAcceleratorTable& keys = msg->hwnd == m_list.m_hWnd ? m_listKeys : m_windowKeys;
    if (keys.Translate(m_hWnd, msg))
        return TRUE;
    return CHandheldDialog::PreTranslateMessage(msg);
}

void CShoppingDlg::OnItemMenu()
{
    m_list.ShowItemMenuAtFocusedRow();
}
