// Where the system list file lies: the data folder that the installer records, or
// else the folder that is current at start-up.
#pragma once

#include "../framework/String.h"

// HKLM\Software\Gromble, value DataFolder (environment variables expanded); empty
// when the value is not there.
CString RecordedDataFolder();

// The full path of the file called name in the recorded data folder, which is made
// when it is missing; without one, in the current folder.
CString DataFilePath(const wchar_t* name);
