#include "UndoCommands.h"

#include "../listview/BulkRowChange.h"
#include "../res/resource.h"

CUndoCommands::CUndoCommands(CShoppingList& list, CItemListCtrl& listCtrl)
    : m_shoppingList(list), m_listCtrl(listCtrl)
{
}

void CUndoCommands::OnUndo()
{
    // A step may bring back or take away a million rows, as New and Open do.
    CBulkRowChange bulk(m_listCtrl);
    FocusChangedRow(m_shoppingList.Undo());
}

void CUndoCommands::OnRedo()
{
    CBulkRowChange bulk(m_listCtrl);
    FocusChangedRow(m_shoppingList.Redo());
}

void CUndoCommands::FocusChangedRow(int row)
{
    if (row < 0)
        return;
    m_listCtrl.FocusRow(row);
    m_listCtrl.EnsureVisible(row, FALSE);
}

LRESULT CUndoCommands::OnInitMenuPopup(WPARAM popup, LPARAM)
{
    const HMENU menu = reinterpret_cast<HMENU>(popup);
    const auto enable = [](bool enabled) { return MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED); };
    ::EnableMenuItem(menu, ID_EDIT_UNDO, enable(m_shoppingList.CanUndo()));
    ::EnableMenuItem(menu, ID_EDIT_REDO, enable(m_shoppingList.CanRedo()));
    return 0;
}
