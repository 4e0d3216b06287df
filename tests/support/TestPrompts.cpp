#include "TestPrompts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Narrow(const std::wstring& text)
{
    std::string narrow;
    for (wchar_t ch : text)
        narrow += ch < 128 ? static_cast<char>(ch) : '?';
    return narrow;
}

}  // namespace

TestPrompts::TestPrompts() : m_previous(AfxSetPrompts(this)) {}

TestPrompts::~TestPrompts()
{
    AfxSetPrompts(m_previous);
    EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " prepared answers were never asked for";
    EXPECT_TRUE(m_paths.empty()) << m_paths.size() << " prepared file choices were never asked for";
}

int TestPrompts::MessageBox(HWND, const wchar_t* text, const wchar_t* caption, UINT type)
{
    m_questions.push_back({text ? text : L"", caption ? caption : L"", type});
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
    m_fileRequests.push_back({dialog.IsOpenDialog(), dialog.GetDefaultExtension().str(),
                              dialog.GetInitialFileName().str(), dialog.GetFilter().str(), dialog.GetFlags()});
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
