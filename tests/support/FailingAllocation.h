// Memory that runs out at one chosen allocation. The test program replaces operator
// new, so that the program's own code meets the failure where a real shortage would
// meet it: one allocation of this thread throws std::bad_alloc, the rest succeed.
#pragma once

class FailingAllocation {
public:
    // The allocation after skipped more of this thread fails.
    explicit FailingAllocation(long skipped);
    // No allocation fails after it.
    ~FailingAllocation();
    FailingAllocation(const FailingAllocation&) = delete;
    FailingAllocation& operator=(const FailingAllocation&) = delete;

    // Whether the failing allocation was reached.
    bool Reached() const;
};

// While one lives, no allocation of this thread fails: what stands for the platform's
// own boxes does not use the program's memory.
class AllocationsSucceed {
public:
    AllocationsSucceed();
    ~AllocationsSucceed();
    AllocationsSucceed(const AllocationsSucceed&) = delete;
    AllocationsSucceed& operator=(const AllocationsSucceed&) = delete;
};
