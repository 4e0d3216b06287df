#include "EntryPanel.h"

#include "../framework/Dpi.h"
#include "../res/resource.h"

CEntryPanel::CEntryPanel(CShoppingList& list) : m_shoppingList(list) {}

CEntryPanel::~CEntryPanel()
{
    m_shoppingList.RemoveObserver(this);
}

void CEntryPanel::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_ADD, m_btnAdd);
    DDX_Control(dx, IDC_LOCATION, m_editLocation);
    DDX_Control(dx, IDC_PRICE, m_editPrice);
    DDX_Control(dx, IDC_QT, m_editQt);
    DDX_Control(dx, IDC_ITEM, m_editItem);
}

void CEntryPanel::Initialise(UINT dpi)
{
    m_editQt.SetWindowText(L"1");
    m_editLocation.SetWindowText(L"Market");
    m_editPrice.SetWindowText(L"0");
    m_editItem.SetFocus();
    m_dpi = dpi;
    ShowModeIcon();
    m_shoppingList.AddObserver(this);
}

void CEntryPanel::SetDpi(UINT dpi)
{
    m_dpi = dpi;
    ShowModeIcon();
}

void CEntryPanel::ShowModeIcon()
{
    const int size = ScaleToDpi(32, m_dpi);
    m_btnAdd.SetIcon(m_editMode ? IDI_EDIT : IDI_ADD, size, size);
}

ItemRow CEntryPanel::ReadFields() const
{
    ItemRow item;
    item.mark = MarkCross;
    item.name = m_editItem.GetWindowText();
    item.quantity = m_editQt.GetWindowText();
    item.location = m_editLocation.GetWindowText();
    item.price = m_editPrice.GetWindowText();
    return item;
}

void CEntryPanel::ResetFields()
{
    m_editItem.SetWindowText(L"");
    m_editQt.SetWindowText(L"1");
    m_editPrice.SetWindowText(L"0");
    m_editItem.SetFocus();
}

void CEntryPanel::SetEditMode(bool editMode)
{
    m_editMode = editMode;
    if (!editMode)
        m_editedRow = -1;
    ShowModeIcon();
}

void CEntryPanel::AddOrApply(int row)
{
    const ItemRow typed = ReadFields();
    // With no item row current there is nothing to apply to: what was typed is added
    // as a new item rather than lost or written over a closing row.
    if (m_editMode && m_shoppingList.IsItemRow(row))
        m_shoppingList.ApplyToItem(row, typed);
    else
        m_shoppingList.AddItem(typed);
    if (m_editMode)
        SetEditMode(false);
    ResetFields();
}

void CEntryPanel::Edit(int row)
{
    if (!m_shoppingList.IsItemRow(row))
        return;
    const ItemRow item = m_shoppingList.Row(row);
    m_editItem.SetWindowText(item.name);
    m_editQt.SetWindowText(item.quantity);
    m_editLocation.SetWindowText(item.location);
    m_editPrice.SetWindowText(item.price);
    SetEditMode(true);
    m_editedRow = row;
}

void CEntryPanel::OnRowsInserted(int first, int count)
{
    if (m_editedRow >= first)
        m_editedRow += count;
}

void CEntryPanel::OnRowsRemoved(int first, int count)
{
    if (m_editedRow >= first + count)
        m_editedRow -= count;
    else if (m_editMode && m_editedRow >= first)
        SetEditMode(false);
}

void CEntryPanel::OnRowMoved(int from, int to)
{
    if (m_editedRow == from)
        m_editedRow = to;
    else if (from < m_editedRow && m_editedRow <= to)
        --m_editedRow;
    else if (to <= m_editedRow && m_editedRow < from)
        ++m_editedRow;
}

void CEntryPanel::OnRowsRemapped(const std::vector<int>& whereRowsWent)
{
    if (!m_editMode)
        return;
    const bool known = m_editedRow >= 0 && m_editedRow < static_cast<int>(whereRowsWent.size());
    m_editedRow = known ? whereRowsWent[static_cast<size_t>(m_editedRow)] : -1;
    if (m_editedRow < 0)
        SetEditMode(false);
}

void CEntryPanel::OnRowsReplaced()
{
    if (m_editMode)
        SetEditMode(false);
}
