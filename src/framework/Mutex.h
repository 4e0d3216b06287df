// CMutex: owns a named mutex of the system, which another process can find by its name.
#pragma once

#include "KernelObject.h"

class CMutex : public CHandle<CKernelObjectTraits> {
public:
    // Makes the mutex of this name and holds it; FALSE, holding nothing new, when a
    // mutex of the name exists already or none can be made.
    BOOL CreateNew(const wchar_t* name)
    {
        HANDLE mutex = ::CreateMutexW(nullptr, FALSE, name);
        if (mutex != nullptr && ::GetLastError() == ERROR_ALREADY_EXISTS) {
            ::CloseHandle(mutex);
            return FALSE;
        }
        return AttachMade(mutex);
    }
};
