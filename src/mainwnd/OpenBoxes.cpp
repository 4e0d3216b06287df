#include "OpenBoxes.h"

bool BoxOrMenuIsOpen(HWND window)
{
    // A modal box disables its owner.
    if (!::IsWindowEnabled(window))
        return true;
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof(thread);
    return ::GetGUIThreadInfo(::GetCurrentThreadId(), &thread) && (thread.flags & GUI_INMENUMODE) != 0;
}
