#include "Warnings.h"

#include "../framework/Prompts.h"

void ShowWarning(HWND owner, const CString& text)
{
    AfxPrompts().MessageBox(owner, text, L"Warning", MB_OK | MB_ICONEXCLAMATION);
}

bool AskWarning(HWND owner, const CString& question)
{
    return AfxPrompts().MessageBox(owner, question, L"Warning", MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

bool AskToClearList(HWND owner)
{
    return AskWarning(owner, L"Do you want to clear the list?");
}
