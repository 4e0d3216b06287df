// The entry panel: the four fields and the button that adds an item or applies an edit.
#include "ShoppingDlg.h"

#include "../res/resource.h"

ItemRow CShoppingDlg::ReadEntryFields() const
{
    ItemRow item;
    item.mark = MarkCross;
    item.name = m_editItem.GetWindowText();
    item.quantity = m_editQt.GetWindowText();
    item.location = m_editLocation.GetWindowText();
    item.price = m_editPrice.GetWindowText();
    return item;
}

void CShoppingDlg::ResetEntryFields()
{
    m_editItem.SetWindowText(L"");
    m_editQt.SetWindowText(L"1");
    m_editPrice.SetWindowText(L"0");
    m_editItem.SetFocus();
}

void CShoppingDlg::SetEditMode(bool editMode)
{
    m_editMode = editMode;
    m_btnAdd.SetIcon(editMode ? IDI_EDIT : IDI_ADD, 32, 32);
}

// Apply goes to whichever row has the focus; once the row that Edit loaded is gone,
// that would be another item, which the typed texts would overwrite.
void CShoppingDlg::EndEditWithoutItsRow()
{
    if (m_editMode && m_rows.FollowedRow() < 0)
        SetEditMode(false);
}

void CShoppingDlg::OnAddButton()
{
    ItemRow typed = ReadEntryFields();
    if (m_editMode) {
        // With no item row current there is nothing to apply to: what was typed is
        // added as a new item rather than lost or written over a closing row.
        int row = m_list.SelectedRow();
        if (m_rows.IsItemRow(row))
            m_rows.ApplyToItem(row, typed);
        else
            m_rows.AddItem(typed);
        SetEditMode(false);
    } else {
        m_rows.AddItem(typed);
    }
    ResetEntryFields();
}

void CShoppingDlg::OnEdit()
{
    int row = m_list.SelectedRow();
    if (!m_rows.IsItemRow(row))
        return;
    ItemRow item = m_rows.Row(row);
    m_editItem.SetWindowText(item.name);
    m_editQt.SetWindowText(item.quantity);
    m_editLocation.SetWindowText(item.location);
    m_editPrice.SetWindowText(item.price);
    m_rows.FollowRow(row);
    SetEditMode(true);
}
