#include "WinApp.h"

#include "Prompts.h"

#include <vector>

namespace {

CWinApp* g_app = nullptr;

}  // namespace

CWinApp::CWinApp()
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

int CWinApp::Run()
{
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return ExitInstance();
}

void CWinApp::ReportFailure(const CFailure& failure)
{
    const CString text = failure.outOfMemory ? CString(L"There is not enough memory.") : failure.what;
    AfxPrompts().MessageBox(nullptr, text, nullptr, MB_OK | MB_ICONERROR);
}

CWinApp* AfxGetApp()
{
    return g_app;
}

HINSTANCE AfxGetInstanceHandle()
{
    return ::GetModuleHandleW(nullptr);
}

HINSTANCE AfxFindResourceHandle(const wchar_t*, const wchar_t*)
{
    return AfxGetInstanceHandle();
}

CString AfxFullPath(const wchar_t* name)
{
    DWORD needed = ::GetFullPathNameW(name, 0, nullptr, nullptr);
    std::vector<wchar_t> buffer(needed + 1, L'\0');
    if (needed == 0 || ::GetFullPathNameW(name, needed + 1, buffer.data(), nullptr) == 0)
        return CString(name);
    return CString(buffer.data());
}

int AfxWinMain()
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return 1;
    int exitCode = 0;
    try {
        exitCode = app->InitInstance() ? app->Run() : app->ExitInstance();
    } catch (...) {
        exitCode = 1;
        try {
            app->ReportFailure(DescribeFailure(std::current_exception()));
        } catch (...) {
            // Not even the notice could be shown.
        }
    }
    app->m_pMainWnd = nullptr;
    return exitCode;
}
