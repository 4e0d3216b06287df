#include "HandheldScreen.h"

#include "../framework/Dpi.h"

namespace HandheldScreen {

namespace {

void SetClientSize(HWND window, int width, int height, UINT dpi)
{
    const SIZE size = WindowSizeFor(window, {width, height}, dpi);
    ::SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

SIZE WindowSizeFor(HWND window, SIZE client, UINT dpi)
{
    RECT frame = {0, 0, client.cx, client.cy};
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE));
    AdjustWindowRectForDpi(&frame, style, exStyle, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void FitDialog(HWND dialog, UINT dpi)
{
    SetClientSize(dialog, ScaleToDpi(Width, dpi), ScaleToDpi(HeightAboveBar, dpi), dpi);
}

void GrowClientHeight(HWND window, int deltaHeight, UINT dpi)
{
    RECT client;
    ::GetClientRect(window, &client);
    SetClientSize(window, client.right - client.left, client.bottom - client.top + deltaHeight, dpi);
}

}  // namespace HandheldScreen
