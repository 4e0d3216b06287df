// One main window for each system list file. The first start on a system list file
// claims it for as long as it runs, and its main window answers for it; a later
// start on the same file hands that window its list file and ends, so that only one
// program writes the system list file.
#pragma once

#include "../framework/Mutex.h"
#include "../framework/String.h"

class CRunningInstance {
public:
    enum Outcome { Claimed, HandedOver, NotAnswering };

    explicit CRunningInstance(const CString& systemListPath);

    // Claims the system list file for this start; or, when another start holds it,
    // hands its window listFile (empty for none) and brings that window to the front.
    Outcome ClaimOrHandOver(const CString& listFile);

    // Makes window the one that answers for the system list file, or no longer.
    static void MarkWindow(HWND window, const CString& systemListPath);
    static void UnmarkWindow(HWND window, const CString& systemListPath);
    // The list file of a hand-over's WM_COPYDATA; false when the data is no hand-over.
    static bool ReadHandOver(const COPYDATASTRUCT& data, CString& listFile);

private:
    HWND FindAnsweringWindow() const;
    bool HandOverTo(HWND window, const CString& listFile) const;

    CString m_key;
    CMutex m_claim;
};
