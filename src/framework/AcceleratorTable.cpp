#include "AcceleratorTable.h"

std::vector<ACCEL> CAcceleratorTable::LoadKeys(UINT resourceId)
{
    // A loaded table belongs to the system, which frees it with the program.
    HACCEL loaded = ::LoadAcceleratorsW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId));
    const int count = loaded != nullptr ? ::CopyAcceleratorTableW(loaded, nullptr, 0) : 0;
    std::vector<ACCEL> keys(static_cast<size_t>(count));
    if (count > 0)
        ::CopyAcceleratorTableW(loaded, keys.data(), count);
    return keys;
}

BOOL CAcceleratorTable::Create(const std::vector<ACCEL>& keys)
{
    if (keys.empty())
        return FALSE;
    std::vector<ACCEL> copy(keys);
    return AttachMade(::CreateAcceleratorTableW(copy.data(), static_cast<int>(copy.size())));
}
