#include "ListBody.h"

#include "../framework/TextCodec.h"
#include "TextReader.h"

#include <algorithm>
#include <climits>
#include <io.h>
#include <new>
#include <stdexcept>

namespace {

// The fewest bytes a record can take: a mark and five line ends.
constexpr long long kSmallestRecord = 6;

// How many records the rest of the stream could hold at most; a damaged count must
// not claim memory that the file's rows never need.
long long RecordsThatFit(std::FILE* stream)
{
    const long long size = ::_filelengthi64(::_fileno(stream));
    const long long at = ::_ftelli64(stream);
    return size > at && at >= 0 ? (size - at) / kSmallestRecord : 0;
}

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

bool WriteListBody(std::FILE* stream, const CItemRows& items)
{
    std::fprintf(stream, "%i\n", items.Count() + ClosingRowCount);
    for (int index = 0; index < items.Count(); ++index) {
        std::fprintf(stream, "%d\n", items.Mark(index));
        for (ItemColumn column : {ColumnName, ColumnQuantity, ColumnLocation, ColumnPrice}) {
            std::fputs(FileText(items.Text(index, column)).c_str(), stream);
            std::fputc('\n', stream);
        }
    }
    return std::ferror(stream) == 0;
}

bool ReadListBody(std::FILE* stream, CItemRows& items)
{
    items.Clear();
    try {
        CTextReader text(stream);
        int rowCount = 0;
        text.ReadInteger(rowCount);
        text.SkipWhiteSpace();
        const long long announced = static_cast<long long>(rowCount) - ClosingRowCount;
        ItemRow row;
        items.Reserve(static_cast<size_t>(std::max(0LL, std::min(announced, RecordsThatFit(stream)))));
        while (items.Count() < announced && items.Count() < INT_MAX && ReadItem(text, row))
            items.Append(row);
    } catch (const std::bad_alloc&) {
        items.Clear();
        return false;
    } catch (const std::length_error&) {
        items.Clear();
        return false;
    }
    return std::ferror(stream) == 0;
}
