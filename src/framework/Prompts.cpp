#include "Prompts.h"

#include "FileDialog.h"
#include "FolderPickerDialog.h"

namespace {

CPrompts& PlatformPrompts()
{
    static CPrompts platform;
    return platform;
}

CPrompts* g_prompts = nullptr;

}  // namespace

int CPrompts::MessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    return ::MessageBoxW(owner, text, caption, type);
}

INT_PTR CPrompts::ChooseFile(CFileDialog& dialog)
{
    return dialog.RunPlatformDialog();
}

INT_PTR CPrompts::ChooseFolder(CFolderPickerDialog& dialog)
{
    return dialog.RunPlatformDialog();
}

CPrompts& AfxPrompts()
{
    return g_prompts ? *g_prompts : PlatformPrompts();
}

CPrompts* AfxSetPrompts(CPrompts* prompts)
{
    CPrompts* previous = g_prompts;
    g_prompts = prompts;
    return previous;
}
