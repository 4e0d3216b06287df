// The entry panel above the list: the four fields and the button that adds an item
// or, in edit mode, applies the fields to the current row. It follows the list: when
// the row that Edit loaded goes, whatever took it away, the edit ends (the button
// adds again, the fields keep what was typed), so that Apply never writes over
// another item.
#pragma once

#include "../framework/Dialog.h"
#include "../framework/Edit.h"
#include "../list/ShoppingList.h"
#include "IconButton.h"

class CEntryPanel : private CRowsObserver {
public:
    explicit CEntryPanel(CShoppingList& list);
    ~CEntryPanel();
    CEntryPanel(const CEntryPanel&) = delete;
    CEntryPanel& operator=(const CEntryPanel&) = delete;

    // Binds the fields and the button of the window's template.
    void DoDataExchange(CDataExchange* dx);
    // The fields' start-up texts, the Add icon drawn for dpi and the focus in the Item
    // field; the panel follows the list from now on.
    void Initialise(UINT dpi);
    // The button's icon drawn for another DPI.
    void SetDpi(UINT dpi);

    // Add, or in edit mode Apply to row when it is an item row (else the fields are
    // added as a new item); then the fields are ready for the next item.
    void AddOrApply(int row);
    // Edit: the fields show item row's texts, and the button applies them.
    void Edit(int row);

private:
    ItemRow ReadFields() const;
    void ResetFields();
    void SetEditMode(bool editMode);
    void ShowModeIcon();

    void OnRowsInserted(int first, int count) override;
    void OnRowsRemoved(int first, int count) override;
    void OnRowMoved(int from, int to) override;
    void OnRowsChanged(int, int) override {}
    void OnRowsReplaced() override;
    void OnRowsRemapped(const std::vector<int>& whereRowsWent) override;

    CShoppingList& m_shoppingList;
    CIconButton m_btnAdd;
    CEdit m_editItem;
    CEdit m_editQt;
    CEdit m_editLocation;
    CEdit m_editPrice;
    UINT m_dpi = 96;
    bool m_editMode = false;
    // The row that Edit loaded, followed through the list's changes.
    int m_editedRow = -1;
};
