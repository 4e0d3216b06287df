#include "WorkerThread.h"

#include <process.h>

#include <utility>

CWorkerThread::~CWorkerThread()
{
    Wait();
}

bool CWorkerThread::IsBusy() const
{
    return !m_thread.IsEmpty() && ::WaitForSingleObject(m_thread.GetSafeHandle(), 0) == WAIT_TIMEOUT;
}

bool CWorkerThread::Start(std::function<void()> job)
{
    if (IsBusy())
        return false;
    Wait();
    m_failure = nullptr;
    m_job = std::move(job);
    const uintptr_t thread = ::_beginthreadex(nullptr, 0, &CWorkerThread::Run, this, 0, nullptr);
    if (thread == 0) {
        m_job = nullptr;
        return false;
    }
    m_thread.Attach(reinterpret_cast<HANDLE>(thread));
    return true;
}

void CWorkerThread::Wait()
{
    if (m_thread.IsEmpty())
        return;
    ::WaitForSingleObject(m_thread.GetSafeHandle(), INFINITE);
    m_thread = CHandle<CKernelObjectTraits>();
}

std::exception_ptr CWorkerThread::TakeFailure()
{
    if (IsBusy())
        return nullptr;
    return std::exchange(m_failure, nullptr);
}

unsigned __stdcall CWorkerThread::Run(void* worker)
{
    auto* self = static_cast<CWorkerThread*>(worker);
    // What the job holds goes with the thread, not with the next job.
    std::function<void()> job = std::move(self->m_job);
    try {
        job();
    } catch (...) {
        // Nothing may leave a thread: the failure goes back to whoever started the job.
        self->m_failure = std::current_exception();
    }
    return 0;
}
