// Where the list's rows are held, addressed by index from the top. The list
// control is this store: it holds every row and shows it.
#pragma once

#include "ItemRow.h"

class CRowStore {
public:
    virtual int GetRowCount() const = 0;
    virtual ItemRow GetRow(int index) const = 0;
    // Inserts the row itself with its name and mark, then its other texts. False
    // when the store did not take the row.
    virtual bool InsertRow(int index, const ItemRow& row) = 0;
    // An index the store does not have changes nothing.
    virtual void DeleteRow(int index) = 0;
    virtual void SetRowText(int index, ItemColumn column, const CString& text) = 0;
    // fallback when the row cannot be read.
    virtual int GetRowMark(int index, int fallback) const = 0;
    virtual void SetRowMark(int index, int mark) = 0;

protected:
    ~CRowStore() = default;
};
