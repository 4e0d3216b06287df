#include "RowCommands.h"

#include "Warnings.h"

CRowCommands::CRowCommands(CWnd& owner, CShoppingList& list, CItemListCtrl& listCtrl)
    : m_owner(owner), m_shoppingList(list), m_listCtrl(listCtrl)
{
}

void CRowCommands::OnCheck()
{
    m_shoppingList.ToggleCheck(m_listCtrl.SelectedRow());
}

void CRowCommands::OnSpecial()
{
    m_shoppingList.ToggleSpecial(m_listCtrl.SelectedRow());
}

void CRowCommands::OnDelete()
{
    const int focused = m_listCtrl.SelectedRow();
    if (!m_shoppingList.MayDelete(focused) || !AskWarning(m_owner.m_hWnd, L"Do you want to delete this item?"))
        return;
    m_shoppingList.RemoveItem(focused);
}

void CRowCommands::MoveFocusedItem(int (CShoppingList::*move)(int))
{
    const int moved = (m_shoppingList.*move)(m_listCtrl.SelectedRow());
    if (moved >= 0)
        m_listCtrl.FocusRow(moved);
}

void CRowCommands::OnUp()
{
    MoveFocusedItem(&CShoppingList::MoveUp);
}

void CRowCommands::OnDown()
{
    MoveFocusedItem(&CShoppingList::MoveDown);
}

void CRowCommands::OnTop()
{
    MoveFocusedItem(&CShoppingList::MoveToTop);
}

void CRowCommands::OnBottom()
{
    MoveFocusedItem(&CShoppingList::MoveToBottom);
}
