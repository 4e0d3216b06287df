// CFileDialog: the platform's Open and Save As dialogs.
#pragma once

#include "String.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

class CWnd;

class CFileDialog {
public:
    // filter is in the form "Description|*.ext|", pairs each ended by a bar.
    CFileDialog(BOOL openFileDialog, const wchar_t* defaultExtension = nullptr,
                const wchar_t* fileName = nullptr, DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                const wchar_t* filter = nullptr, CWnd* parent = nullptr);

    // Asks through the prompts in force; IDOK when a path was chosen.
    INT_PTR DoModal();
    // Shows the platform's dialog itself.
    INT_PTR RunPlatformDialog();

    CString GetPathName() const { return CString(m_path.data()); }
    void SetPathName(const CString& path);

    // What the dialog will ask: lpstrFile holds the initial name, lpstrFilter the
    // pairs separated by NULs.
    OPENFILENAMEW m_ofn = {};
    bool m_bOpenFileDialog;

private:
    CString m_defaultExtension;
    std::vector<wchar_t> m_platformFilter;
    std::vector<wchar_t> m_path;
};
