#include "HandheldScreen.h"

#include "../framework/Dpi.h"

namespace HandheldScreen {

namespace {

void SetClientSize(HWND window, int width, int height, UINT dpi)
{
    RECT frame = {0, 0, width, height};
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE));
    AdjustWindowRectForDpi(&frame, style, exStyle, dpi);
    ::SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void FitDialog(HWND dialog, UINT dpi)
{
    SetClientSize(dialog, ScaleToDpi(Width, dpi), ScaleToDpi(HeightAboveBar, dpi), dpi);
}

void GrowClientHeight(HWND window, int deltaHeight)
{
    RECT frame;
    ::GetWindowRect(window, &frame);
    ::SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + deltaHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace HandheldScreen
