// Watches a folder from a thread of its own: when a file in it is written, made,
// renamed or removed, a message is posted to a window. A store elsewhere replaces a
// file by renaming another over it, so the folder is watched, not the file.
#pragma once

#include "KernelObject.h"

#include <string>

struct CChangeNotificationTraits {
    using Handle = HANDLE;
    static BOOL Release(HANDLE notification) { return ::FindCloseChangeNotification(notification); }
};

class CFolderWatch {
public:
    CFolderWatch() = default;
    // Stops watching.
    ~CFolderWatch();
    CFolderWatch(const CFolderWatch&) = delete;
    CFolderWatch& operator=(const CFolderWatch&) = delete;

    // Watches folder, in place of what was watched before; false when it cannot be
    // watched (a share that sends no notices, say).
    bool Start(const std::wstring& folder, HWND window, UINT message);
    void Stop();

private:
    static unsigned __stdcall Run(void* watch);

    CHandle<CChangeNotificationTraits> m_change;
    CHandle<CKernelObjectTraits> m_stop;
    CHandle<CKernelObjectTraits> m_thread;
    HWND m_window = nullptr;
    UINT m_message = 0;
};
