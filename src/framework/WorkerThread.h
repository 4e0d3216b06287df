// One job at a time on a thread of its own, for work that would hold up the window's
// messages. The job owns what it works on: nothing it reads may change meanwhile.
#pragma once

#include "Handle.h"

#include <functional>

struct CThreadTraits {
    using Handle = HANDLE;
    static BOOL Release(HANDLE thread) { return ::CloseHandle(thread); }
};

class CWorkerThread {
public:
    CWorkerThread() = default;
    // Waits for the job that runs.
    ~CWorkerThread();
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;

    bool IsBusy() const;
    // Runs job on a new thread; false, with job dropped, while another job runs or
    // when no thread can start.
    bool Start(std::function<void()> job);
    // Returns once the job that runs, if any, has ended.
    void Wait();

private:
    static unsigned __stdcall Run(void* worker);

    CHandle<CThreadTraits> m_thread;
    // Handed to the thread, which takes it over as it starts.
    std::function<void()> m_job;
};
