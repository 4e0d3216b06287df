// The item menu's commands on the current row, the row with the list's focus: its
// marks, Delete and the moves. A command that cannot apply to the row does nothing.
#pragma once

#include "../list/ShoppingList.h"
#include "../listview/ItemListCtrl.h"

class CRowCommands {
public:
    // Questions are asked over owner.
    CRowCommands(CWnd& owner, CShoppingList& list, CItemListCtrl& listCtrl);
    CRowCommands(const CRowCommands&) = delete;
    CRowCommands& operator=(const CRowCommands&) = delete;

    void OnCheck();
    void OnSpecial();
    // Not of a closing row or a flagged item, and only after the user's Yes.
    void OnDelete();
    void OnUp();
    void OnDown();
    void OnTop();
    void OnBottom();

private:
    // The moved row keeps the focus.
    void MoveFocusedItem(int (CShoppingList::*move)(int));

    CWnd& m_owner;
    CShoppingList& m_shoppingList;
    CItemListCtrl& m_listCtrl;
};
