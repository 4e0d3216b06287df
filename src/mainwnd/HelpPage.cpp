#include "HelpPage.h"

#include "../files/SafeFileWriter.h"
#include "../res/resource.h"

#include <shellapi.h>

#include <string_view>
#include <vector>

namespace {

const wchar_t kPageName[] = L"Help.htm";

std::wstring ProgramFolder()
{
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::wstring();
        if (length < path.size())
            break;
        path.resize(path.size() * 2);
    }
    const std::wstring program(path.data());
    return program.substr(0, program.find_last_of(L"\\/") + 1);
}

std::string_view PageInResources()
{
    HMODULE program = ::GetModuleHandleW(nullptr);
    HRSRC found = ::FindResourceW(program, MAKEINTRESOURCEW(IDR_HELP_PAGE), MAKEINTRESOURCEW(23));
    HGLOBAL loaded = found != nullptr ? ::LoadResource(program, found) : nullptr;
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (bytes == nullptr)
        return std::string_view();
    return std::string_view(static_cast<const char*>(bytes), ::SizeofResource(program, found));
}

// The program's own copy in the temporary folder; empty when it cannot be written.
std::wstring WrittenPage()
{
    const std::string_view page = PageInResources();
    wchar_t folder[MAX_PATH + 1] = L"";
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, folder);
    if (page.empty() || length == 0 || length > MAX_PATH)
        return std::wstring();
    const std::wstring path = std::wstring(folder, length) + L"Gromble " + kPageName;
    const bool written = WriteWholeFile(path.c_str(), [page](std::FILE* stream) {
        return std::fwrite(page.data(), 1, page.size(), stream) == page.size();
    });
    return written ? path : std::wstring();
}

}  // namespace

void ShowHelpPage()
{
    std::wstring page = ProgramFolder() + kPageName;
    if (::GetFileAttributesW(page.c_str()) == INVALID_FILE_ATTRIBUTES)
        page = WrittenPage();
    if (!page.empty())
        ::ShellExecuteW(nullptr, L"open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
