#include "ListBody.h"

#include "../listview/ItemListCtrl.h"
#include "TextCodec.h"

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

}  // namespace

bool WriteListBody(std::FILE* stream, const CItemListCtrl& list)
{
    const int rowCount = list.GetItemCount();
    std::fprintf(stream, "%i\n", rowCount);
    for (int index = 0; index < rowCount - ClosingRowCount; ++index) {
        ItemRow row = list.GetRow(index);
        std::fprintf(stream, "%d\n%s\n%s\n%s\n%s\n", row.mark, FileText(row.name).c_str(),
                     FileText(row.quantity).c_str(), FileText(row.location).c_str(), FileText(row.price).c_str());
    }
    return std::ferror(stream) == 0;
}

void CListBodyReader::ReadRowCount()
{
    m_rowCount = 0;
    m_text.ReadInteger(m_rowCount);
    m_text.SkipWhiteSpace();
}

int CListBodyReader::ReadItems(const ItemSink& sink)
{
    const long long announced = static_cast<long long>(m_rowCount) - ClosingRowCount;
    int taken = 0;
    ItemRow row;
    while (taken < announced && taken < INT_MAX && ReadItem(row)) {
        sink(taken, row);
        ++taken;
    }
    return taken;
}

bool CListBodyReader::ReadItem(ItemRow& row)
{
    try {
        int mark = 0;
        m_text.ReadDecimal(mark);
        std::string line;
        if (!m_text.ReadLine(line))  // the rest of the mark's line
            return false;
        CString* texts[] = {&row.name, &row.quantity, &row.location, &row.price};
        for (CString* text : texts) {
            if (!m_text.ReadLine(line))
                return false;
            *text = WidenText(line.c_str());
        }
        row.mark = mark;
        m_text.SkipWhiteSpace();
        return true;
    } catch (const std::bad_alloc&) {
        // A line too long to hold ends the list there, like the end of the file.
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

int ReadListBody(std::FILE* stream, const ItemSink& sink)
{
    CListBodyReader reader(stream);
    reader.ReadRowCount();
    return reader.ReadItems(sink);
}
