// CFileHandle: owns a handle that CreateFileW opened and closes it once.
#pragma once

#include "Handle.h"

struct CFileHandleTraits {
    using Handle = HANDLE;
    static BOOL Release(HANDLE file) { return ::CloseHandle(file); }
};

class CFileHandle : public CHandle<CFileHandleTraits> {
public:
    // CreateFileW; FALSE, with the platform's error, when nothing was opened.
    BOOL Create(const wchar_t* path, DWORD access, DWORD share, DWORD disposition, DWORD flagsAndAttributes)
    {
        HANDLE file = ::CreateFileW(path, access, share, nullptr, disposition, flagsAndAttributes, nullptr);
        return AttachMade(file == INVALID_HANDLE_VALUE ? nullptr : file);
    }
};
