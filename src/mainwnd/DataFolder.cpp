#include "DataFolder.h"

#include "../framework/RegKey.h"
#include "../framework/WinApp.h"

#include <shlobj.h>

#include <vector>

namespace {

const wchar_t kSettingsKey[] = L"Software\\Gromble";
const wchar_t kDataFolderValue[] = L"DataFolder";

CString ExpandedText(const wchar_t* text)
{
    const DWORD needed = ::ExpandEnvironmentStringsW(text, nullptr, 0);
    std::vector<wchar_t> expanded(needed + 1, L'\0');
    if (needed == 0 || ::ExpandEnvironmentStringsW(text, expanded.data(), needed + 1) == 0)
        return CString(text);
    return CString(expanded.data());
}

// The folder recorded under root, environment variables expanded; empty when none is.
CString DataFolderUnder(HKEY root)
{
    DWORD bytes = 0;
    // RRF_NOEXPAND: expanded here, so that a plain string value is taken as well.
    const DWORD flags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    if (::RegGetValueW(root, kSettingsKey, kDataFolderValue, flags, nullptr, nullptr, &bytes) != ERROR_SUCCESS ||
        bytes < sizeof(wchar_t))
        return CString();
    std::vector<wchar_t> value(bytes / sizeof(wchar_t) + 1, L'\0');
    if (::RegGetValueW(root, kSettingsKey, kDataFolderValue, flags, nullptr, value.data(), &bytes) != ERROR_SUCCESS)
        return CString();
    return ExpandedText(value.data());
}

}  // namespace

CString RecordedDataFolder()
{
    const CString chosen = DataFolderUnder(HKEY_CURRENT_USER);
    return chosen.IsEmpty() ? DataFolderUnder(HKEY_LOCAL_MACHINE) : chosen;
}

bool KeepDataFolder(const CString& folder)
{
    CRegKey settings;
    return settings.Create(HKEY_CURRENT_USER, kSettingsKey) == ERROR_SUCCESS &&
           settings.SetStringValue(kDataFolderValue, folder) == ERROR_SUCCESS;
}

CString DataFilePath(const wchar_t* name)
{
    const CString folder = RecordedDataFolder();
    if (folder.IsEmpty())
        return AfxFullPath(name);
    const CString fullFolder = AfxFullPath(folder);
    // ERROR_ALREADY_EXISTS is as good; any other failure shows when the file is read or written.
    ::SHCreateDirectoryExW(nullptr, fullFolder, nullptr);
    return AfxFullPath(fullFolder + CString(L"\\") + CString(name));
}
