#include "TestPrompts.h"

#include "FailingAllocation.h"

#include <gtest/gtest.h>

#include <string>

std::string Narrow(const std::wstring& text)
{
    std::string narrow;
    for (wchar_t ch : text)
        narrow += ch < 128 ? static_cast<char>(ch) : '?';
    return narrow;
}

namespace {

// "Text (*.txt)\0*.txt\0\0" as "Text (*.txt)|*.txt|", the form the program writes.
std::wstring BarSeparated(const wchar_t* filter)
{
    std::wstring text;
    for (const wchar_t* part = filter; part != nullptr && *part != L'\0'; part += wcslen(part) + 1)
        text += std::wstring(part) + L'|';
    return text;
}

}  // namespace

TestPrompts::TestPrompts() : m_previous(AfxSetPrompts(this)) {}

TestPrompts::~TestPrompts()
{
    AfxSetPrompts(m_previous);
    EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " prepared answers were never asked for";
    EXPECT_TRUE(m_paths.empty()) << m_paths.size() << " prepared file choices were never asked for";
    EXPECT_TRUE(m_folders.empty()) << m_folders.size() << " prepared folder choices were never asked for";
}

int TestPrompts::MessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    AllocationsSucceed platformBox;
    m_questions.push_back({text ? text : L"", caption ? caption : L"", type, owner});
    if (m_answers.empty() && m_acceptNotices && (type & MB_TYPEMASK) == MB_OK)
        return IDOK;
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected message box: " << Narrow(text ? text : L"");
        return (type & MB_TYPEMASK) == MB_OK ? IDOK : IDNO;
    }
    int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

INT_PTR TestPrompts::ChooseFile(CFileDialog& dialog)
{
    AllocationsSucceed platformDialog;
    const OPENFILENAMEW& ofn = dialog.m_ofn;
    m_fileRequests.push_back({dialog.m_bOpenFileDialog, ofn.lpstrDefExt ? ofn.lpstrDefExt : L"", ofn.lpstrFile,
                              BarSeparated(ofn.lpstrFilter), ofn.Flags, ofn.hwndOwner});
    if (m_paths.empty()) {
        ADD_FAILURE() << "unexpected file dialog";
        return IDCANCEL;
    }
    std::wstring path = m_paths.front();
    m_paths.pop_front();
    if (path.empty())
        return IDCANCEL;
    dialog.SetPathName(path.c_str());
    return IDOK;
}

INT_PTR TestPrompts::ChooseFolder(CFolderPickerDialog& dialog)
{
    if (m_folders.empty()) {
        ADD_FAILURE() << "unexpected folder dialog";
        return IDCANCEL;
    }
    const std::wstring folder = m_folders.front();
    m_folders.pop_front();
    if (folder.empty())
        return IDCANCEL;
    dialog.SetFolderPath(folder.c_str());
    return IDOK;
}
