// Keeps Wine's desktop process alive while the tests run. Without a window on the
// desktop it ends a moment after each test program, and the next test program
// starts it again holding ctest's output pipes, so ctest waits for it each time.
// Once its window stands it creates the file named on its command line, so that
// the tests start only when the desktop process is this program's.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int)
{
    HWND window = ::CreateWindowExW(0, L"STATIC", L"Gromble tests' desktop keeper", WS_POPUP, 0, 0, 1, 1,
                                    nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;
    if (commandLine != nullptr && *commandLine != L'\0') {
        HANDLE ready = ::CreateFileW(commandLine, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (ready != INVALID_HANDLE_VALUE)
            ::CloseHandle(ready);
    }
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
        ::DispatchMessageW(&msg);
    ::DestroyWindow(window);
    return 0;
}
