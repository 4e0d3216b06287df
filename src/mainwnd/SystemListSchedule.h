// When the system list file is read and written: read while the window opens, with a
// Warning once the window stands when the file could not be read whole; written a few
// seconds after the last change, so that a crash or a power cut loses little, and
// when the window closes or the session ends. The store after a change copies the
// rows and writes the copy on a thread of its own: even a long list holds up the
// window only for the copy. A store that fails is tried again a few seconds later.
#pragma once

#include "../files/SystemListDisk.h"
#include "../font/ListFontSettings.h"
#include "../framework/Timer.h"
#include "../framework/WorkerThread.h"
#include "../list/ShoppingList.h"

class CSystemListSchedule : private CRowsObserver {
public:
    // The wait before a store: timer's owner calls OnTimer when it is up.
    CSystemListSchedule(CShoppingList& list, CTimer& timer);
    // Waits for a store that is being written.
    ~CSystemListSchedule();
    CSystemListSchedule(const CSystemListSchedule&) = delete;
    CSystemListSchedule& operator=(const CSystemListSchedule&) = delete;

    // The full path of the system list file: in the recorded data folder, or else in
    // the current folder.
    static CString SystemListPath();
    // The file that the restore read, or would have read.
    CString Path() const { return CString(m_disk.Path()); }

    // Puts the stored rows into the list and returns the stored font settings (the
    // start-up ones where the file holds none); changes are followed from now on.
    // Out of memory, the list stays empty and the file is left alone.
    ListFontSettings Restore();
    // The restore left a Warning for the user, which TakeStartNotice hands over once.
    bool HasStartNotice() const { return !m_startNotice.IsEmpty(); }
    CString TakeStartNotice();
    // The rows' changes are seen without a word; the font's must be told.
    void ListFontChanged(const ListFontSettings& font);
    // The timer is up: a store that is due starts, one that failed starts again.
    void OnTimer();
    // Writes the list and the list font; when the system list file found at the start
    // is left alone, returns what the user must hear of where they went.
    CString StoreAtClose();
    // The same without a word: the session is ending, and no close follows.
    void StoreAtSessionEnd();

private:
    void OnRowsInserted(int, int) override { StoreSoon(); }
    void OnRowsRemoved(int, int) override { StoreSoon(); }
    void OnRowMoved(int, int) override { StoreSoon(); }
    void OnRowsChanged(int, int) override { StoreSoon(); }
    void OnRowsReplaced() override { StoreSoon(); }
    void StoreSoon();
    // Writes a copy of the list on the worker; false when it cannot start now.
    bool StartBackgroundStore();
    // How the store on the worker ended, once it has; one that failed leaves the list
    // to be stored again.
    enum class StoreResult { None, Written, Failed };
    StoreResult TakeBackgroundResult();
    // Returns the file written, empty when none was.
    std::wstring StoreNow();
    CString StartNotice(CSystemListDisk::Found found) const;
    CString WhereTheListWent(const std::wstring& written) const;

    CShoppingList& m_shoppingList;
    CTimer& m_timer;
    CSystemListDisk m_disk;
    ListFontSettings m_font = StartupListFontSettings();
    // Until the list is restored, a store would write an empty list over the last one.
    bool m_restored = false;
    CString m_startNotice;
    // Something changed that no store has taken yet.
    bool m_changed = false;
    // What the store on the worker wrote: the file, or empty when nothing was written.
    std::wstring m_backgroundWritten;
    bool m_backgroundPending = false;
    // Stores on the worker that failed since the last that was written.
    UINT m_failedStores = 0;
    // Last: it waits for its job, which reads m_disk, before the rest goes.
    CWorkerThread m_writer;
};
