// The one place where the program asks the user something: message boxes and the
// choice of a file. A test installs its own answers here.
#pragma once

#include <windows.h>

class CFileDialog;
class CFolderPickerDialog;

class CPrompts {
public:
    virtual ~CPrompts() = default;
    // Shows a message box; returns the button chosen (IDYES, IDNO, IDOK, ...).
    virtual int MessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
    // Shows the file dialog; IDOK once a path is chosen.
    virtual INT_PTR ChooseFile(CFileDialog& dialog);
    // Shows the folder dialog; IDOK once a folder is chosen.
    virtual INT_PTR ChooseFolder(CFolderPickerDialog& dialog);
};

// The prompts in force: the platform's own unless another is installed.
CPrompts& AfxPrompts();
// Installs prompts (nullptr for the platform's own); returns those in force before.
CPrompts* AfxSetPrompts(CPrompts* prompts);
