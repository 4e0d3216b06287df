// Reads a list view of another process as an accessibility tool does: the row count,
// then each row's mark and four texts, a line each, in UTF-8. The item records and
// the text buffer live in the list's own process, as its messages need them there.
//   list_reader.exe WINDOW    (the list view's handle, in decimal)
//   list_reader.exe TITLE     (the first list view in the top-level window of that title)
#include <windows.h>
#include <commctrl.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

constexpr int kTextCapacity = 512;

struct RemoteItem {
    LVITEMW item;
    wchar_t text[kTextCapacity];
};

std::string Utf8(const wchar_t* text)
{
    int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size > 0 ? size : 1), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, &bytes[0], size, nullptr, nullptr);
    bytes.resize(bytes.size() - 1);
    return bytes;
}

// Sends message with an item record that lives in the list's process, and reads the
// record back.
RemoteItem Ask(HWND list, HANDLE process, RemoteItem* remote, UINT message, WPARAM wParam, LVITEMW item)
{
    RemoteItem local = {};
    local.item = item;
    local.item.pszText = remote->text;
    local.item.cchTextMax = kTextCapacity;
    ::WriteProcessMemory(process, remote, &local, sizeof local, nullptr);
    ::SendMessageW(list, message, wParam, reinterpret_cast<LPARAM>(&remote->item));
    ::ReadProcessMemory(process, remote, &local, sizeof local, nullptr);
    local.text[kTextCapacity - 1] = L'\0';
    return local;
}

BOOL CALLBACK TakeFirstList(HWND child, LPARAM found)
{
    wchar_t className[64] = {};
    ::GetClassNameW(child, className, 64);
    if (::lstrcmpiW(className, WC_LISTVIEWW) != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

HWND ListNamedBy(const wchar_t* argument)
{
    if (*argument != L'\0' && std::wcsspn(argument, L"0123456789") == std::wcslen(argument))
        return reinterpret_cast<HWND>(static_cast<INT_PTR>(std::wcstoll(argument, nullptr, 10)));
    HWND list = nullptr;
    if (HWND top = ::FindWindowW(nullptr, argument))
        ::EnumChildWindows(top, TakeFirstList, reinterpret_cast<LPARAM>(&list));
    return list;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
        return 2;
    _setmode(_fileno(stdout), _O_BINARY);
    HWND list = ListNamedBy(argv[1]);
    if (list == nullptr)
        return 5;
    DWORD processId = 0;
    ::GetWindowThreadProcessId(list, &processId);
    HANDLE process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process == nullptr)
        return 3;
    auto* remote = static_cast<RemoteItem*>(
        ::VirtualAllocEx(process, nullptr, sizeof(RemoteItem), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (remote == nullptr)
        return 4;
    const int count = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    std::printf("%d\n", count);
    for (int row = 0; row < count; ++row) {
        LVITEMW image = {};
        image.mask = LVIF_IMAGE;
        image.iItem = row;
        std::printf("%d", Ask(list, process, remote, LVM_GETITEMW, 0, image).item.iImage);
        for (int column = 0; column < 4; ++column) {
            LVITEMW cell = {};
            cell.iSubItem = column;
            std::printf("|%s", Utf8(Ask(list, process, remote, LVM_GETITEMTEXTW, row, cell).text).c_str());
        }
        std::printf("\n");
    }
    ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    ::CloseHandle(process);
    return 0;
}
