// CFolderPickerDialog: the platform's dialog for choosing a folder.
#pragma once

#include "String.h"

#include <windows.h>

class CWnd;

class CFolderPickerDialog {
public:
    CFolderPickerDialog(const wchar_t* title, CWnd* parent = nullptr);

    // Asks through the prompts in force; IDOK when a folder was chosen.
    INT_PTR DoModal();
    // Shows the platform's dialog itself.
    INT_PTR RunPlatformDialog();

    CString GetFolderPath() const { return m_folder; }
    void SetFolderPath(const CString& folder) { m_folder = folder; }
    const CString& Title() const { return m_title; }
    HWND Owner() const { return m_owner; }

private:
    CString m_title;
    HWND m_owner;
    CString m_folder;
};
