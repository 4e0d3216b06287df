#include "FailingAllocation.h"

#include <cstdlib>
#include <new>

namespace {

// Allocations still to succeed before the one that fails; -1 when none is to fail.
thread_local long t_beforeFailure = -1;
thread_local bool t_reached = false;
thread_local int t_succeeding = 0;

bool FailsNow()
{
    if (t_beforeFailure < 0 || t_succeeding > 0)
        return false;
    if (t_beforeFailure-- > 0)
        return false;
    t_reached = true;
    return true;
}

}  // namespace

FailingAllocation::FailingAllocation(long skipped)
{
    t_reached = false;
    t_beforeFailure = skipped;
}

FailingAllocation::~FailingAllocation()
{
    t_beforeFailure = -1;
}

bool FailingAllocation::Reached() const
{
    return t_reached;
}

AllocationsSucceed::AllocationsSucceed()
{
    ++t_succeeding;
}

AllocationsSucceed::~AllocationsSucceed()
{
    --t_succeeding;
}

void* operator new(std::size_t size)
{
    if (FailsNow())
        throw std::bad_alloc();
    if (void* block = std::malloc(size == 0 ? 1 : size))
        return block;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size)
{
    return ::operator new(size);
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete[](void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept
{
    std::free(block);
}
