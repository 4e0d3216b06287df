#include "ListBody.h"

#include "../framework/TextCodec.h"
#include "TextReader.h"

#include <climits>
#include <new>
#include <stdexcept>

namespace {

// A line feed inside a text would shift every later line of the file.
std::string FileText(CString text)
{
    text.Remove(L'\n');
    return NarrowText(text);
}

bool ReadItem(CTextReader& text, ItemRow& row)
{
    int mark = 0;
    text.ReadDecimal(mark);
    std::string line;
    if (!text.ReadLine(line))  // the rest of the mark's line
        return false;
    for (ItemColumn column : {ColumnName, ColumnQuantity, ColumnLocation, ColumnPrice}) {
        if (!text.ReadLine(line))
            return false;
        row.Text(column) = WidenText(line.c_str());
    }
    row.mark = mark;
    text.SkipWhiteSpace();
    return true;
}

}  // namespace

bool WriteListBody(std::FILE* stream, const std::vector<ItemRow>& items)
{
    std::fprintf(stream, "%i\n", static_cast<int>(items.size()) + ClosingRowCount);
    for (const ItemRow& row : items) {
        std::fprintf(stream, "%d\n%s\n%s\n%s\n%s\n", row.mark, FileText(row.name).c_str(),
                     FileText(row.quantity).c_str(), FileText(row.location).c_str(), FileText(row.price).c_str());
    }
    return std::ferror(stream) == 0;
}

bool ReadListBody(std::FILE* stream, std::vector<ItemRow>& items)
{
    items.clear();
    try {
        CTextReader text(stream);
        int rowCount = 0;
        text.ReadInteger(rowCount);
        text.SkipWhiteSpace();
        const long long announced = static_cast<long long>(rowCount) - ClosingRowCount;
        ItemRow row;
        while (static_cast<long long>(items.size()) < announced && items.size() < INT_MAX && ReadItem(text, row))
            items.push_back(row);
    } catch (const std::bad_alloc&) {
        items.clear();
        return false;
    } catch (const std::length_error&) {
        items.clear();
        return false;
    }
    return std::ferror(stream) == 0;
}
