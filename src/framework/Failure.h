// What stopped a piece of work that threw: whether memory ran out, and the
// exception's own words, for the user to hear of it.
#pragma once

#include "String.h"

#include <exception>

struct CFailure {
    // Out of memory, or a request too large to be met: the same to the user.
    bool outOfMemory = false;
    // Empty when the exception said nothing.
    CString what;
};

// Describes failure, which must not be null.
CFailure DescribeFailure(std::exception_ptr failure) noexcept;
