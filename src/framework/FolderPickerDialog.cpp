#include "FolderPickerDialog.h"

#include "Prompts.h"
#include "Wnd.h"

#include <shlobj.h>

#include <vector>

CFolderPickerDialog::CFolderPickerDialog(const wchar_t* title, CWnd* parent)
    : m_title(title), m_owner(parent != nullptr ? parent->m_hWnd : nullptr)
{
}

INT_PTR CFolderPickerDialog::DoModal()
{
    return AfxPrompts().ChooseFolder(*this);
}

namespace {

// Opens the dialog on the folder given, when there is one.
int CALLBACK SelectGivenFolder(HWND dialog, UINT message, LPARAM, LPARAM folder)
{
    if (message == BFFM_INITIALIZED && folder != 0)
        ::SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, folder);
    return 0;
}

}  // namespace

INT_PTR CFolderPickerDialog::RunPlatformDialog()
{
    std::vector<wchar_t> name(MAX_PATH, L'\0');
    BROWSEINFOW browse = {};
    browse.hwndOwner = m_owner;
    browse.pszDisplayName = name.data();
    browse.lpszTitle = m_title;
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    browse.lpfn = SelectGivenFolder;
    browse.lParam = m_folder.IsEmpty() ? 0 : reinterpret_cast<LPARAM>(static_cast<const wchar_t*>(m_folder));
    PIDLIST_ABSOLUTE chosen = ::SHBrowseForFolderW(&browse);
    if (chosen == nullptr)
        return IDCANCEL;
    std::vector<wchar_t> path(32768, L'\0');
    const BOOL named = ::SHGetPathFromIDListEx(chosen, path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT);
    ::CoTaskMemFree(chosen);
    if (!named)
        return IDCANCEL;
    m_folder = CString(path.data());
    return IDOK;
}
