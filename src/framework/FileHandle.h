// CFileHandle: owns a handle that CreateFileW opened and closes it once.
#pragma once

#include "KernelObject.h"

class CFileHandle : public CHandle<CKernelObjectTraits> {
public:
    // CreateFileW; FALSE, with the platform's error, when nothing was opened.
    BOOL Create(const wchar_t* path, DWORD access, DWORD share, DWORD disposition, DWORD flagsAndAttributes)
    {
        HANDLE file = ::CreateFileW(path, access, share, nullptr, disposition, flagsAndAttributes, nullptr);
        return AttachMade(file == INVALID_HANDLE_VALUE ? nullptr : file);
    }
};
