// The main window's keys: one accelerator table whose keys run the commands of the
// menus' entries. In the list every key counts; elsewhere only the keys that do not
// act on the focused row, so that Delete deletes a character in a field, Space types
// a space and Enter taps the Add button.
#pragma once

#include "../framework/AcceleratorTable.h"
#include "../listview/ItemListCtrl.h"

class CWindowKeys {
public:
    // The keys of the accelerator resource; listCtrl tells which commands act on a row.
    void Load(UINT resourceId, const CItemListCtrl& listCtrl);
    // Runs the command of a key that counts where msg is going, sent to window; true
    // when msg was such a key.
    bool Translate(HWND window, const CItemListCtrl& listCtrl, MSG* msg);

private:
    CAcceleratorTable m_listKeys;
    CAcceleratorTable m_windowKeys;
    // In an entry field Ctrl+Z is the field's own undo of its typing.
    CAcceleratorTable m_fieldKeys;
    // Wine's default handling takes a release of Alt with no other key seen in between
    // as the way into the window's menu: after a key with Alt that ran a command, the
    // release is swallowed.
    bool m_ranAltKey = false;
};
