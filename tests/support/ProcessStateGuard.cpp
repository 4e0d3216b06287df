#include "ProcessStateGuard.h"

#include "MainWindowTest.h"

#include "framework/Prompts.h"
#include "TestPrompts.h"

#include <vector>

namespace {

// The top-level windows of this process, hidden ones too.
std::set<HWND> ProcessWindows()
{
    std::set<HWND> windows;
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            DWORD process = 0;
            ::GetWindowThreadProcessId(window, &process);
            if (process == ::GetCurrentProcessId())
                reinterpret_cast<std::set<HWND>*>(data)->insert(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::wstring Describe(HWND window)
{
    wchar_t className[64] = L"";
    wchar_t caption[128] = L"";
    ::GetClassNameW(window, className, 64);
    ::GetWindowTextW(window, caption, 128);
    return std::wstring(L"\"") + caption + L"\" (class " + className + L")";
}

// Windows makes input-method windows for each thread that has windows, and keeps them.
bool IsPlatformWindow(HWND window)
{
    wchar_t className[16] = L"";
    ::GetClassNameW(window, className, 16);
    return lstrcmpiW(className, L"IME") == 0 || lstrcmpiW(className, L"MSCTFIME UI") == 0;
}

std::wstring CurrentFolder()
{
    std::vector<wchar_t> buffer(::GetCurrentDirectoryW(0, nullptr) + 1, L'\0');
    ::GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    return buffer.data();
}

}  // namespace

void ProcessStateGuard::ForgetKeptSettings()
{
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Gromble");
}

void ProcessStateGuard::OnTestStart(const ::testing::TestInfo&)
{
    ForgetKeptSettings();
    m_windowsAtStart = ProcessWindows();
    m_folderAtStart = CurrentFolder();
}

void ProcessStateGuard::OnTestEnd(const ::testing::TestInfo&)
{
    CheckThreadState();
    CloseLeftoverWindows();
    CheckMessageQueue();
    RestoreCurrentFolder();
    ForgetKeptSettings();
}

void ProcessStateGuard::CheckThreadState()
{
    if (StopWaitingForModalLoop())
        ADD_FAILURE() << "the test waited for a modal loop that never ran";
    CPrompts* installed = AfxSetPrompts(nullptr);
    EXPECT_EQ(installed, nullptr) << "the test's prompts are still installed";
    if (::GetCapture() != nullptr) {
        ADD_FAILURE() << "a window of the test still holds the mouse capture";
        ::ReleaseCapture();
    }
}

void ProcessStateGuard::CloseLeftoverWindows()
{
    for (HWND window : ProcessWindows()) {
        if (m_windowsAtStart.count(window) != 0 || IsPlatformWindow(window) || !::IsWindow(window))
            continue;
        ADD_FAILURE() << "the test left a window open: " << Narrow(Describe(window));
        ::DestroyWindow(window);
    }
}

void ProcessStateGuard::CheckMessageQueue()
{
    MSG msg;
    if (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        ADD_FAILURE() << "the test left a quit message, which would end the next test's message loop";
    // What is left is for windows that are gone.
    PumpMessages();
}

void ProcessStateGuard::RestoreCurrentFolder()
{
    std::wstring folder = CurrentFolder();
    if (folder == m_folderAtStart)
        return;
    ADD_FAILURE() << "the test left the current folder at " << Narrow(folder);
    ::SetCurrentDirectoryW(m_folderAtStart.c_str());
}
