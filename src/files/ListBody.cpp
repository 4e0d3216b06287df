#include "ListBody.h"

#include "../framework/TextCodec.h"

#include <algorithm>
#include <climits>
#include <exception>
#include <string>

namespace {

// The fewest bytes a record can take: a mark and five line ends.
constexpr size_t kSmallestRecord = 6;

// The texts of one record, kept from one record to the next so that reading
// makes no new strings.
struct RecordTexts {
    std::wstring texts[ItemColumnCount];
    CItemRows::Texts views;
};

bool ReadItem(CTextReader& text, RecordTexts& record, ItemMark& mark)
{
    int number = 0;
    text.ReadDecimal(number);
    mark = static_cast<ItemMark>(number);
    std::string_view line;
    if (!text.ReadLine(line))  // the rest of the mark's line
        return false;
    for (ItemColumn column : ItemColumns) {
        if (!text.ReadLine(line))
            return false;
        WidenText(line.data(), line.size(), record.texts[column], text.Encoding());
        record.views[column] = record.texts[column];
    }
    text.SkipWhiteSpace();
    return true;
}

}  // namespace

TextEncoding EncodingToHold(const CItemRows& items)
{
    CItemRows::Texts texts;
    for (int index = 0; index < items.Count(); ++index) {
        items.GetTexts(index, texts);
        for (std::wstring_view text : texts)
            if (!FitsAnsiCodePage(text))
                return TextEncoding::Utf8;
    }
    return TextEncoding::Ansi;
}

bool WriteListBody(std::FILE* stream, const CItemRows& items)
{
    CTextWriter out(stream, EncodingToHold(items));
    out.WriteByteOrderMark();
    WriteListBody(out, items);
    return out.Finish();
}

void WriteListBody(CTextWriter& out, const CItemRows& items)
{
    out.Write(items.Count() + ClosingRowCount);
    out.Write("\n");
    CItemRows::Texts texts;
    for (int index = 0; index < items.Count(); ++index) {
        out.Write(items.Mark(index));
        out.Write("\n");
        items.GetTexts(index, texts);
        for (std::wstring_view text : texts)
            out.WriteLine(text);
    }
}

bool ReadListBody(std::FILE* stream, CItemRows& items)
{
    items.Clear();
    std::string content;
    try {
        if (!ReadRestOfStream(stream, content))
            return false;
    } catch (const std::exception&) {  // memory ran out
        return false;
    }
    CTextReader text(content);
    return ReadListBody(text, items);
}

bool ReadListBody(CTextReader& text, CItemRows& items)
{
    items.Clear();
    try {
        int rowCount = 0;
        text.ReadInteger(rowCount);
        text.SkipWhiteSpace();
        const long long announced = static_cast<long long>(rowCount) - ClosingRowCount;
        // A damaged count must not claim memory that the text's records never need.
        const long long fit = static_cast<long long>(text.Remaining() / kSmallestRecord);
        items.Reserve(static_cast<size_t>(std::max(0LL, std::min(announced, fit))), text.Remaining());
        RecordTexts record;
        ItemMark mark = MarkTick;
        while (items.Count() < announced && items.Count() < INT_MAX && ReadItem(text, record, mark))
            items.Append(mark, record.views);
    } catch (const std::exception&) {  // memory ran out
        items.Clear();
        return false;
    }
    return true;
}
