// Every test runs in one process, one after another. What a test leaves behind in
// the process (a window, a changed current folder, a quit message, an armed modal
// hook, its prompts) would reach the tests after it, so each case must start from
// the state a fresh process has. This listener fails the case that
// leaves something behind, names it, and puts the process back as it was. Where the
// main window was left (HKCU\Software\Gromble), which every close keeps, is
// forgotten before and after each case.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>

class ProcessStateGuard : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo& test) override;
    void OnTestEnd(const ::testing::TestInfo& test) override;

private:
    void CloseLeftoverWindows();
    void RestoreCurrentFolder();
    void CheckMessageQueue();
    void CheckThreadState();
    static void ForgetKeptSettings();

    std::set<HWND> m_windowsAtStart;
    std::wstring m_folderAtStart;
};
