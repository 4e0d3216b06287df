#include "Failure.h"

#include <new>
#include <stdexcept>

CFailure DescribeFailure(std::exception_ptr failure) noexcept
{
    CFailure description;
    try {
        try {
            std::rethrow_exception(failure);
        } catch (const std::bad_alloc&) {
            description.outOfMemory = true;
        } catch (const std::length_error&) {
            description.outOfMemory = true;
        } catch (const std::exception& exception) {
            description.what = CString(exception.what());
        } catch (...) {
        }
    } catch (...) {
        // Not even the words could be kept: the failure is told without them.
    }
    return description;
}
