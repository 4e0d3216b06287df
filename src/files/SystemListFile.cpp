#include "SystemListFile.h"

#include "../framework/TextCodec.h"
#include "ListBody.h"
#include "TextReader.h"

#include <cwchar>
#include <new>
#include <string>

namespace {

void ReadFontLines(CTextReader& text, ListFontSettings& settings)
{
    int zero = 0;
    text.ReadInteger(zero);
    text.SkipWhiteSpace();

    int height = 0, bold = 0, italic = 0, underline = 0, antialiased = 0;
    std::string_view line;
    if (text.ReadLine(line))
        std::sscanf(std::string(line).c_str(), "%d %d %d %d %d", &height, &bold, &italic, &underline, &antialiased);
    settings.lfHeight = height;
    if (bold > 0)
        settings.lfWeight = FW_BOLD;
    if (italic > 0)
        settings.lfItalic = 1;
    if (underline > 0)
        settings.lfUnderline = 1;
    if (antialiased > 0)
        settings.lfQuality = ANTIALIASED_QUALITY;

    if (text.ReadLine(line)) {
        CString face = WidenText(std::string(line).c_str());
        face.Remove(L'\n');
        ::lstrcpynW(settings.lfFaceName, face, LF_FACESIZE);
    }
}

}  // namespace

const wchar_t SystemListFileName[] = L"GRSystemList.grl";

bool WriteSystemList(std::FILE* stream, const CItemRows& items, const ListFontSettings& font)
{
    if (!WriteListBody(stream, items))
        return false;
    std::fprintf(stream, "%i\n", 0);
    std::fprintf(stream, "%d %d %d %d %d\n", static_cast<int>(font.lfHeight), font.lfWeight == FW_BOLD ? 1 : 0,
                 font.lfItalic == 1 ? 1 : 0, font.lfUnderline == 1 ? 1 : 0, font.lfQuality != 0 ? 1 : 0);
    CString face(font.lfFaceName, static_cast<int>(::wcsnlen(font.lfFaceName, LF_FACESIZE)));
    std::fprintf(stream, "%s\n", NarrowText(face).c_str());
    return std::ferror(stream) == 0;
}

bool ReadSystemList(std::FILE* stream, CItemRows& items, ListFontSettings& settings)
{
    items.Clear();
    try {
        std::string content;
        if (!ReadRestOfStream(stream, content))
            return false;
        CTextReader text(content);
        if (!ReadListBody(text, items))
            return false;
        ReadFontLines(text, settings);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}
