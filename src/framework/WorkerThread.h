// One job at a time on a thread of its own, for work that would hold up the window's
// messages. The job owns what it works on: nothing it reads may change meanwhile.
#pragma once

#include "KernelObject.h"

#include <exception>
#include <functional>

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
    // What the last job threw, handed over once its thread has ended; null when it
    // ended well, is still running, or was handed over already.
    std::exception_ptr TakeFailure();

private:
    static unsigned __stdcall Run(void* worker);

    CHandle<CKernelObjectTraits> m_thread;
    // Handed to the thread, which takes it over as it starts.
    std::function<void()> m_job;
    // Set by the thread before it ends; read only once it has.
    std::exception_ptr m_failure;
};
