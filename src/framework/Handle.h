// CHandle: the one owner of a platform handle, which it releases once: when it is
// released, replaced or destroyed. Move-only; a move hands the handle over unreleased.
// The traits name the handle type and how to release it:
//
//   struct CIconTraits {
//       using Handle = HICON;
//       static BOOL Release(HICON icon) { return ::DestroyIcon(icon); }
//   };
#pragma once

#include <windows.h>

#include <utility>

#ifdef GROMBLE_COUNT_HANDLES
// What the owners of one kind of handle did, for the leak checks of debug and test
// builds: GetGuiResources is a stub under Wine.
struct HandleCounts {
    long taken = 0;           // handles an owner took on
    long handedOver = 0;      // handles given up unreleased (Detach)
    long released = 0;
    long failedReleases = 0;  // releases the platform refused: a handle released twice, say

    long Held() const { return taken - handedOver - released - failedReleases; }
};
#endif

template <class Traits>
class CHandle {
public:
    using Handle = typename Traits::Handle;

    CHandle() = default;
    ~CHandle() { Release(); }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    CHandle(CHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    CHandle& operator=(CHandle&& other) noexcept
    {
        if (this != &other) {
            Release();
            m_handle = std::exchange(other.m_handle, nullptr);
        }
        return *this;
    }

    Handle GetSafeHandle() const { return m_handle; }
    bool IsEmpty() const { return m_handle == nullptr; }

    // Takes ownership of handle, releasing the one held before.
    void Attach(Handle handle)
    {
        if (handle == m_handle)
            return;
        Release();
        m_handle = handle;
        if (handle != nullptr)
            Count(Taken);
    }
    // Gives the handle up unreleased.
    Handle Detach()
    {
        if (m_handle != nullptr)
            Count(HandedOver);
        return std::exchange(m_handle, nullptr);
    }

#ifdef GROMBLE_COUNT_HANDLES
    static const HandleCounts& Counts() { return s_counts; }
#endif

protected:
    // Takes a newly made handle; FALSE, keeping the one held, when none was made.
    BOOL AttachMade(Handle made)
    {
        if (made == nullptr)
            return FALSE;
        Attach(made);
        return TRUE;
    }
    // FALSE when nothing was held or the platform refused the release.
    BOOL Release()
    {
        if (m_handle == nullptr)
            return FALSE;
        BOOL released = Traits::Release(std::exchange(m_handle, nullptr));
        Count(released ? Released : ReleaseFailed);
        return released;
    }

private:
    enum Event { Taken, HandedOver, Released, ReleaseFailed };
    static void Count([[maybe_unused]] Event event)
    {
#ifdef GROMBLE_COUNT_HANDLES
        long HandleCounts::*const counters[] = {&HandleCounts::taken, &HandleCounts::handedOver,
                                                &HandleCounts::released, &HandleCounts::failedReleases};
        ++(s_counts.*counters[event]);
#endif
    }

#ifdef GROMBLE_COUNT_HANDLES
    static inline HandleCounts s_counts;
#endif

    Handle m_handle = nullptr;
};
