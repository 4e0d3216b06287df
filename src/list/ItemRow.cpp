#include "ItemRow.h"

const CString& ItemRow::Text(ItemColumn column) const
{
    switch (column) {
    case ColumnQuantity:
        return quantity;
    case ColumnLocation:
        return location;
    case ColumnPrice:
        return price;
    case ColumnName:
    default:
        return name;
    }
}

CString& ItemRow::Text(ItemColumn column)
{
    return const_cast<CString&>(static_cast<const ItemRow&>(*this).Text(column));
}
