#include "ListBody.h"

#include "../framework/TextCodec.h"

#include <algorithm>
#include <climits>
#include <exception>
#include <string>

namespace {

// The fewest bytes a record can take: a mark and five line ends.
constexpr size_t kSmallestRecord = 6;
// Written out whenever this much has gathered.
constexpr size_t kWriteChunk = 1 << 20;

constexpr ItemColumn kColumns[ItemColumnCount] = {ColumnName, ColumnQuantity, ColumnLocation, ColumnPrice};

// A line feed inside a text would shift every later line of the file. ASCII, the
// most of every list, is copied as it stands.
void AppendFileText(std::wstring_view text, std::string& out)
{
    const size_t at = out.size();
    for (wchar_t ch : text) {
        if (ch >= 0x80) {
            out.resize(at);
            std::wstring kept(text);
            kept.erase(std::remove(kept.begin(), kept.end(), L'\n'), kept.end());
            AppendNarrowText(kept, out);
            return;
        }
        if (ch != L'\n')
            out += static_cast<char>(ch);
    }
}

bool Flush(std::FILE* stream, std::string& pending)
{
    const bool written = std::fwrite(pending.data(), 1, pending.size(), stream) == pending.size();
    pending.clear();
    return written;
}

// The texts of one record, kept from one record to the next so that reading
// makes no new strings.
struct RecordTexts {
    std::wstring texts[ItemColumnCount];
    CItemRows::Texts views;
};

bool ReadItem(CTextReader& text, RecordTexts& record, int& mark)
{
    mark = 0;
    text.ReadDecimal(mark);
    std::string_view line;
    if (!text.ReadLine(line))  // the rest of the mark's line
        return false;
    for (ItemColumn column : kColumns) {
        if (!text.ReadLine(line))
            return false;
        // Like a C string, a line ends at its first NUL.
        line = line.substr(0, std::min(line.size(), line.find('\0')));
        WidenText(line.data(), line.size(), record.texts[column]);
        record.views[column] = record.texts[column];
    }
    text.SkipWhiteSpace();
    return true;
}

}  // namespace

bool WriteListBody(std::FILE* stream, const CItemRows& items)
{
    std::string pending = std::to_string(items.Count() + ClosingRowCount) + '\n';
    pending.reserve(kWriteChunk + 64 * 1024);
    bool written = true;
    CItemRows::Texts texts;
    for (int index = 0; index < items.Count(); ++index) {
        pending += std::to_string(items.Mark(index));
        pending += '\n';
        items.GetTexts(index, texts);
        for (std::wstring_view text : texts) {
            AppendFileText(text, pending);
            pending += '\n';
        }
        if (pending.size() >= kWriteChunk)
            written = Flush(stream, pending) && written;
    }
    written = Flush(stream, pending) && written;
    return written && std::ferror(stream) == 0;
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
        int mark = 0;
        while (items.Count() < announced && items.Count() < INT_MAX && ReadItem(text, record, mark))
            items.Append(mark, record.views);
    } catch (const std::exception&) {  // memory ran out
        items.Clear();
        return false;
    }
    return true;
}
