// The owners of kernel objects (threads, mutexes, files) close them with CloseHandle.
#pragma once

#include "Handle.h"

struct CKernelObjectTraits {
    using Handle = HANDLE;
    static BOOL Release(HANDLE object) { return ::CloseHandle(object); }
};
