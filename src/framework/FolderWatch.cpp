#include "FolderWatch.h"

#include <process.h>

namespace {

// A writer's steps (a temporary file, its contents, the rename) come as several
// notices: the window hears of them once they have settled this long.
constexpr DWORD kSettleMilliseconds = 100;

}  // namespace

CFolderWatch::~CFolderWatch()
{
    Stop();
}

bool CFolderWatch::Start(const std::wstring& folder, HWND window, UINT message)
{
    Stop();
    HANDLE change = ::FindFirstChangeNotificationW(
        folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
    if (change == INVALID_HANDLE_VALUE)
        return false;
    m_change.Attach(change);
    m_stop.Attach(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    m_window = window;
    m_message = message;
    const uintptr_t thread = m_stop.IsEmpty() ? 0 : ::_beginthreadex(nullptr, 0, &CFolderWatch::Run, this, 0, nullptr);
    if (thread == 0) {
        m_change = CHandle<CChangeNotificationTraits>();
        return false;
    }
    m_thread.Attach(reinterpret_cast<HANDLE>(thread));
    return true;
}

void CFolderWatch::Stop()
{
    if (!m_thread.IsEmpty()) {
        ::SetEvent(m_stop.GetSafeHandle());
        ::WaitForSingleObject(m_thread.GetSafeHandle(), INFINITE);
    }
    m_thread = CHandle<CKernelObjectTraits>();
    m_stop = CHandle<CKernelObjectTraits>();
    m_change = CHandle<CChangeNotificationTraits>();
}

unsigned __stdcall CFolderWatch::Run(void* watch)
{
    auto* self = static_cast<CFolderWatch*>(watch);
    const HANDLE waits[] = {self->m_stop.GetSafeHandle(), self->m_change.GetSafeHandle()};
    for (;;) {
        if (::WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0 + 1)
            return 0;
        // Until the folder is quiet, then once.
        do {
            if (!::FindNextChangeNotification(waits[1]))
                return 0;
            if (::WaitForSingleObject(waits[0], kSettleMilliseconds) == WAIT_OBJECT_0)
                return 0;
        } while (::WaitForSingleObject(waits[1], 0) == WAIT_OBJECT_0);
        ::PostMessageW(self->m_window, self->m_message, 0, 0);
    }
}
