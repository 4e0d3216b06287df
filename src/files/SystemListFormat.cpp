#include "SystemListFormat.h"

#include "../framework/TextCodec.h"
#include "ListBody.h"
#include "TextReader.h"

#include <new>
#include <string>

namespace {

// True when the zero line, the font line's five numbers and the face name all stand there.
bool ReadFontLines(CTextReader& text, ListFontSettings& settings)
{
    int zero = 0;
    const bool zeroRead = text.ReadInteger(zero);
    text.SkipWhiteSpace();

    int height = 0, bold = 0, italic = 0, underline = 0, antialiased = 0;
    int fields = 0;
    std::string_view line;
    if (text.ReadLine(line))
        fields = std::sscanf(std::string(line).c_str(), "%d %d %d %d %d", &height, &bold, &italic, &underline,
                             &antialiased);
    settings.height = height;
    if (bold > 0)
        settings.weight = FontWeightBold;
    if (italic > 0)
        settings.italic = true;
    if (underline > 0)
        settings.underline = true;
    if (antialiased > 0)
        settings.quality = FontQualityAntialiased;

    const bool faceRead = text.ReadLine(line);
    if (faceRead) {
        std::wstring face;
        WidenText(line.data(), line.size(), face, text.Encoding());
        settings.face = FittedFaceName(face);
    }
    return zeroRead && fields == 5 && faceRead;
}

// The row count at the head of a list body, which the body's reader does not hand on.
int AnnouncedItems(std::string_view content)
{
    CTextReader text(content);
    int rowCount = 0;
    return text.ReadInteger(rowCount) ? rowCount - ClosingRowCount : -1;
}

}  // namespace

const wchar_t SystemListFileName[] = L"GRSystemList.grl";

bool WriteSystemList(std::FILE* stream, const CItemRows& items, const ListFontSettings& font)
{
    const std::wstring face = FittedFaceName(font.face);
    CTextWriter out(stream, FitsAnsiCodePage(face) ? EncodingToHold(items) : TextEncoding::Utf8);
    out.WriteByteOrderMark();
    WriteListBody(out, items);
    char fontLine[80];
    std::snprintf(fontLine, sizeof fontLine, "%i\n%d %d %d %d %d\n", 0, font.height,
                  font.weight == FontWeightBold ? 1 : 0, font.italic ? 1 : 0, font.underline ? 1 : 0,
                  font.quality != FontQualityDefault ? 1 : 0);
    out.Write(fontLine);
    out.WriteLine(face);
    return out.Finish();
}

SystemListRead ReadSystemList(std::FILE* stream, CItemRows& items, ListFontSettings& settings)
{
    items.Clear();
    try {
        std::string content;
        if (!ReadRestOfStream(stream, content))
            return SystemListRead::Failed;
        CTextReader text(content);
        if (!ReadListBody(text, items))
            return SystemListRead::Failed;
        const bool bodyWhole = items.Count() == AnnouncedItems(content);
        const bool fontWhole = ReadFontLines(text, settings);
        return bodyWhole && fontWhole ? SystemListRead::Whole : SystemListRead::Damaged;
    } catch (const std::bad_alloc&) {
        return SystemListRead::Failed;
    }
}
