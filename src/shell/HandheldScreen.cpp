#include "HandheldScreen.h"

namespace HandheldScreen {

namespace {

void SetClientSize(HWND window, int width, int height)
{
    RECT frame = {0, 0, width, height};
    DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE));
    DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE));
    ::AdjustWindowRectEx(&frame, style, ::GetMenu(window) != nullptr, exStyle);
    ::SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void FitDialog(HWND dialog)
{
    SetClientSize(dialog, Width, HeightAboveBar);
}

void GrowClientHeight(HWND window, int deltaHeight)
{
    RECT client;
    ::GetClientRect(window, &client);
    SetClientSize(window, client.right - client.left, client.bottom - client.top + deltaHeight);
}

}  // namespace HandheldScreen
