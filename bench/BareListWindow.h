// The bare program's main window: the main window's template (102), whose list view
// is LVS_OWNERDATA, made owner-drawn, with the rows in a plain vector. Each row is
// drawn as Gromble draws it: its mark, then its four texts cut with "..." to fit.
#pragma once

#include "BareSide.h"

#include <windows.h>
#include <commctrl.h>

#include <vector>

class BareListWindow {
public:
    // Visible, empty, at left; draws its rows in font.
    BareListWindow(const LOGFONTW& font, int left);
    ~BareListWindow();
    BareListWindow(const BareListWindow&) = delete;
    BareListWindow& operator=(const BareListWindow&) = delete;

    HWND Dialog() const { return m_dialog; }
    HWND List() const { return m_list; }
    int RowCount() const { return static_cast<int>(m_records.size()); }

    // The records replace the rows; the list is invalidated, not painted.
    void Show(std::vector<BareRecord> records);
    // The records go in above the rows there.
    void InsertAhead(std::vector<BareRecord> records);
    // Erases the first count records: an undo of Attach.
    void EraseAhead(size_t count);
    // Clears the vector and sets the count to 0: New.
    void Clear();

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void SetUpList();
    void UpdateCount();
    void DrawRow(const DRAWITEMSTRUCT& draw) const;
    void GiveDisplayInfo(LVITEMW& item) const;

    HWND m_dialog = nullptr;
    HWND m_list = nullptr;
    HIMAGELIST m_marks = nullptr;
    HFONT m_font = nullptr;
    std::vector<BareRecord> m_records;
};
