// Where the system list file lies: the data folder that the user chose, else the one
// that the installer records, else the folder that is current at start-up.
#pragma once

#include "../framework/String.h"

// Software\Gromble, value DataFolder (environment variables expanded), of the user
// (HKCU, the user's choice) or else of the machine (HKLM, the installer's); empty when
// neither is there.
CString RecordedDataFolder();
// Keeps folder as the user's choice.
bool KeepDataFolder(const CString& folder);

// The full path of the file called name in the recorded data folder, which is made
// when it is missing; without one, in the current folder.
CString DataFilePath(const wchar_t* name);
