// Undo and Redo of the changes to the list, from the Menu pop-up and the keys: the
// focused row goes back to the row the step changed, in view. The entries are greyed
// when there is nothing to undo or redo.
#pragma once

#include "../list/ShoppingList.h"
#include "../listview/ItemListCtrl.h"

class CUndoCommands {
public:
    CUndoCommands(CShoppingList& list, CItemListCtrl& listCtrl);
    CUndoCommands(const CUndoCommands&) = delete;
    CUndoCommands& operator=(const CUndoCommands&) = delete;

    void OnUndo();
    void OnRedo();
    // A pop-up of the window is about to open: its Undo and Redo entries, if it has
    // them, are enabled as the history allows.
    LRESULT OnInitMenuPopup(WPARAM popup, LPARAM);

private:
    void FocusChangedRow(int row);

    CShoppingList& m_shoppingList;
    CItemListCtrl& m_listCtrl;
};
