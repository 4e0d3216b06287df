#include "BareSide.h"

#include "res/resource.h"

#include <commctrl.h>

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

std::wstring Widen(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

void SetText(HWND list, int row, int column, const std::wstring& text)
{
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    ::SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int InsertRow(HWND list, int row, int image, const std::wstring* texts)
{
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = row;
    item.iImage = image;
    item.pszText = const_cast<wchar_t*>(texts[0].c_str());
    const int inserted = static_cast<int>(::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (inserted >= 0)
        for (int column = 1; column < 4; ++column)
            SetText(list, inserted, column, texts[column]);
    return inserted;
}

std::wstring GetText(HWND list, int row, int column)
{
    std::vector<wchar_t> buffer(4096, L'\0');
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return buffer.data();
}

}  // namespace

HWND CreateBareDialog()
{
    return ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_GROMBLE_DIALOG), nullptr,
                                &TrivialDialogProc, 0);
}

std::vector<BareRecord> BareReadList(const wchar_t* path)
{
    std::vector<BareRecord> records;
    std::FILE* file = ::_wfopen(path, L"rb");
    if (file == nullptr)
        return records;
    std::string line;
    if (ReadLine(file, line)) {
        const long rows = std::strtol(line.c_str(), nullptr, 0);
        if (rows > 2)
            records.reserve(static_cast<size_t>(rows - 2));
        for (long taken = 0; taken < rows - 2; ++taken) {
            BareRecord record;
            if (!ReadLine(file, line))
                break;
            record.mark = static_cast<int>(std::strtol(line.c_str(), nullptr, 10));
            if (!ReadLine(file, record.name) || !ReadLine(file, record.quantity) ||
                !ReadLine(file, record.location) || !ReadLine(file, record.price))
                break;
            records.push_back(std::move(record));
        }
    }
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

void CopyColumns(HWND from, HWND to)
{
    while (::SendMessageW(to, LVM_DELETECOLUMN, 0, 0))
        ;
    for (int column = 0;; ++column) {
        wchar_t heading[256] = L"";
        LVCOLUMNW description = {};
        description.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        description.pszText = heading;
        description.cchTextMax = 256;
        if (!::SendMessageW(from, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&description)))
            break;
        ::SendMessageW(to, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&description));
        ::SendMessageW(to, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(description.cx, 0));
    }
}

void FillBareList(HWND list, const std::vector<BareRecord>& records, int copies)
{
    ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    const int start = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    ::SendMessageW(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(start + records.size() * copies), 0);
    int row = start;
    for (int copy = 0; copy < copies; ++copy)
        for (const BareRecord& record : records) {
            const std::wstring texts[4] = {Widen(record.name), Widen(record.quantity), Widen(record.location),
                                           Widen(record.price)};
            InsertRow(list, row++, record.mark, texts);
        }
    ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, nullptr, TRUE);
}

void CopyRows(HWND from, HWND to)
{
    ::SendMessageW(to, WM_SETREDRAW, FALSE, 0);
    const int count = static_cast<int>(::SendMessageW(from, LVM_GETITEMCOUNT, 0, 0));
    ::SendMessageW(to, LVM_SETITEMCOUNT, static_cast<WPARAM>(count), 0);
    for (int row = 0; row < count; ++row) {
        LVITEMW item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        ::SendMessageW(from, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        const std::wstring texts[4] = {GetText(from, row, 0), GetText(from, row, 1), GetText(from, row, 2),
                                       GetText(from, row, 3)};
        InsertRow(to, row, item.iImage, texts);
    }
    ::SendMessageW(to, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(to, nullptr, TRUE);
}

void DeleteBareRows(HWND list, int count)
{
    ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    const int total = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = total - 1; row >= 0 && row >= total - count; --row)
        ::SendMessageW(list, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
    ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, nullptr, TRUE);
}

void ClearBareList(HWND list)
{
    ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, nullptr, TRUE);
}
