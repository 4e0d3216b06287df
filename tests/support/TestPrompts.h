// Answers the program's questions and file choices from a script, and records them.
#pragma once

#include "framework/FileDialog.h"
#include "framework/FolderPickerDialog.h"
#include "framework/Prompts.h"

#include <deque>
#include <string>
#include <vector>

// A text for a failure message: ASCII as it stands, "?" for the rest.
std::string Narrow(const std::wstring& text);

class TestPrompts : public CPrompts {
public:
    TestPrompts();
    ~TestPrompts() override;
    TestPrompts(const TestPrompts&) = delete;
    TestPrompts& operator=(const TestPrompts&) = delete;

    struct Question {
        std::wstring text;
        std::wstring caption;
        UINT type;
        HWND owner;
    };
    struct FileRequest {
        bool open;
        std::wstring defaultExtension;
        std::wstring initialFileName;
        std::wstring filter;
        DWORD flags;
        HWND owner;
    };

    // The next message box is answered with this button.
    void Answer(int button) { m_answers.push_back(button); }
    // The next file dialog returns this path with IDOK; an empty path cancels it.
    void ChooseFile(const std::wstring& path) { m_paths.push_back(path); }
    // The next folder dialog returns this folder with IDOK; an empty one cancels it.
    void ChooseFolder(const std::wstring& folder) { m_folders.push_back(folder); }
    // From now on a message box with an OK button alone is answered OK unprepared.
    void AcceptNotices() { m_acceptNotices = true; }
    size_t PendingAnswers() const { return m_answers.size(); }
    size_t PendingFileChoices() const { return m_paths.size(); }

    const std::vector<Question>& Questions() const { return m_questions; }
    const std::vector<FileRequest>& FileRequests() const { return m_fileRequests; }

    int MessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) override;
    INT_PTR ChooseFile(CFileDialog& dialog) override;
    INT_PTR ChooseFolder(CFolderPickerDialog& dialog) override;

private:
    CPrompts* m_previous;
    bool m_acceptNotices = false;
    std::deque<int> m_answers;
    std::deque<std::wstring> m_paths;
    std::deque<std::wstring> m_folders;
    std::vector<Question> m_questions;
    std::vector<FileRequest> m_fileRequests;
};
