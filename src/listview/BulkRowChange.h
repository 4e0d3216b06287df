// Holds back a list's redrawing for the life of a change of many rows. Each row
// change of a redrawing list costs a round of scroll-bar updates; many thousands
// of them would take minutes.
#pragma once

#include "ItemListCtrl.h"

class CBulkRowChange {
public:
    explicit CBulkRowChange(CItemListCtrl& list) : m_list(list) { m_list.HoldRedraw(); }
    ~CBulkRowChange() { m_list.ReleaseRedraw(); }
    CBulkRowChange(const CBulkRowChange&) = delete;
    CBulkRowChange& operator=(const CBulkRowChange&) = delete;

private:
    CItemListCtrl& m_list;
};
