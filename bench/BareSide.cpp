#include "BareSide.h"

#include "res/resource.h"

#include <cstdio>
#include <cstdlib>

namespace {

INT_PTR CALLBACK TrivialDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

// The line without its line end; false at the end of the file.
bool ReadLine(std::FILE* file, std::string& line)
{
    line.clear();
    char buffer[512];
    bool any = false;
    while (std::fgets(buffer, sizeof buffer, file) != nullptr) {
        any = true;
        line += buffer;
        if (!line.empty() && line.back() == '\n')
            break;
    }
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    return any;
}

// The records of a list body; the stream then stands after the last one taken.
std::vector<BareRecord> ReadRecords(std::FILE* file)
{
    std::vector<BareRecord> records;
    std::string line;
    if (!ReadLine(file, line))
        return records;
    const long rows = std::strtol(line.c_str(), nullptr, 0);
    if (rows > 2)
        records.reserve(static_cast<size_t>(rows - 2));
    for (long taken = 0; taken < rows - 2; ++taken) {
        BareRecord record;
        if (!ReadLine(file, line))
            break;
        record.mark = static_cast<int>(std::strtol(line.c_str(), nullptr, 10));
        if (!ReadLine(file, record.name) || !ReadLine(file, record.quantity) || !ReadLine(file, record.location) ||
            !ReadLine(file, record.price))
            break;
        records.push_back(std::move(record));
    }
    return records;
}

void ReadFontLines(std::FILE* file, LOGFONTW& font)
{
    std::string line;
    if (!ReadLine(file, line) || !ReadLine(file, line))
        return;
    int height = 0, bold = 0, italic = 0, underline = 0, antialiased = 0;
    std::sscanf(line.c_str(), "%d %d %d %d %d", &height, &bold, &italic, &underline, &antialiased);
    font.lfHeight = height;
    font.lfWeight = bold > 0 ? FW_BOLD : FW_NORMAL;
    font.lfItalic = italic > 0 ? 1 : 0;
    font.lfUnderline = underline > 0 ? 1 : 0;
    font.lfQuality = antialiased > 0 ? ANTIALIASED_QUALITY : DEFAULT_QUALITY;
    if (ReadLine(file, line) && !line.empty())
        ::MultiByteToWideChar(CP_ACP, 0, line.c_str(), -1, font.lfFaceName, LF_FACESIZE - 1);
}

}  // namespace

HWND CreateBareDialog()
{
    return ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_GROMBLE_DIALOG), nullptr,
                                &TrivialDialogProc, 0);
}

std::vector<BareRecord> BareReadList(const wchar_t* path)
{
    std::FILE* file = ::_wfopen(path, L"rb");
    if (file == nullptr)
        return {};
    std::vector<BareRecord> records = ReadRecords(file);
    std::fclose(file);
    return records;
}

std::vector<BareRecord> BareReadSystemList(const wchar_t* path, LOGFONTW& font)
{
    std::FILE* file = ::_wfopen(path, L"rb");
    if (file == nullptr)
        return {};
    std::vector<BareRecord> records = ReadRecords(file);
    ReadFontLines(file, font);
    std::fclose(file);
    return records;
}

bool BareWrite(const wchar_t* path, const std::string& bytes)
{
    std::FILE* file = ::_wfopen(path, L"wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

LOGFONTW BareDefaultFont()
{
    LOGFONTW font = {};
    font.lfHeight = 10;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = ANTIALIASED_QUALITY;
    ::lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
    return font;
}
