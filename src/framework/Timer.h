// A wait that ends in a call: code that needs one asks a CTimer, which a window's
// timer carries out in the program and a test carries out by hand.
#pragma once

#include <windows.h>

class CTimer {
public:
    // (Re)starts the wait; what the timer calls when it is up is its owner's affair.
    virtual void Start(UINT milliseconds) = 0;
    virtual void Stop() = 0;

protected:
    ~CTimer() = default;
};

// A timer of one window: when it is up the window receives WM_TIMER with the id.
class CWindowTimer final : public CTimer {
public:
    explicit CWindowTimer(UINT_PTR id) : m_id(id) {}
    CWindowTimer(const CWindowTimer&) = delete;
    CWindowTimer& operator=(const CWindowTimer&) = delete;

    // The window that the timer runs on, from its creation to its destruction.
    void SetWindow(HWND window) { m_window = window; }
    UINT_PTR Id() const { return m_id; }

    void Start(UINT milliseconds) override
    {
        if (m_window != nullptr)
            ::SetTimer(m_window, m_id, milliseconds, nullptr);
    }
    void Stop() override
    {
        if (m_window != nullptr)
            ::KillTimer(m_window, m_id);
    }

private:
    UINT_PTR m_id;
    HWND m_window = nullptr;
};
