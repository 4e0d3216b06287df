// When the system list file is read and written: read while the window opens, with a
// Warning once the window stands when the file could not be read whole; written a few
// seconds after the last change, so that a crash or a power cut loses little, and
// when the window closes or the session ends. The store after a change copies the
// rows and writes the copy on a thread of its own: even a long list holds up the
// window only for the copy. A store that fails is tried again a few seconds later.
//
// Other machines may share the file (a synchronised or network folder): before each
// store, and whenever the window looks (LookAtFile), a file that another machine has
// written is merged with this list, three ways, against the list as it was last read
// or written here, so that nothing typed on either machine is lost.
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
    // The folder that holds it, with its last separator.
    CString Folder() const;

    // Puts the stored rows into the list and returns the stored font settings (the
    // start-up ones where the file holds none); changes are followed from now on.
    // Out of memory, the list stays empty and the file is left alone.
    ListFontSettings Restore();
    // The list goes to the system list file at path from now on (another data folder):
    // merged with the list found there, or written there when there is none. The file
    // left behind stays as it is.
    void MoveTo(const std::wstring& path);
    // The restore, a move or a file that another machine left damaged has a Warning
    // for the user, which TakeFileNotice hands over once.
    bool HasFileNotice() const { return !m_fileNotice.IsEmpty(); }
    CString TakeFileNotice();
    // The rows' changes are seen without a word; the font's must be told.
    void ListFontChanged(const ListFontSettings& font);
    const ListFontSettings& Font() const { return m_font; }
    // When another machine has written the file, takes its list into this one (merged
    // with the changes waiting here, which are then stored soon) and its font, unless
    // the font was changed here since; a file that is being written is looked at
    // again later, one that stays damaged is kept and written over. Conflict copies
    // beside the file are merged in as well.
    void LookAtFile();
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
    void OnRowsRemapped(const std::vector<int>&) override { StoreSoon(); }
    void OnRowsChanging() override;
    // The worker's job, a store or the copy of the base, has ended.
    void WaitForWorker();
    // The copy of the base has ended, if one was begun; a store goes on.
    void EndBaseCopy();
    void StoreSoon();
    // Before a store: what another machine wrote is taken in first.
    void TakeInOtherWrites();
    // The copies that synchronising services left beside the file: merged into the
    // list, to be stored soon, and renamed; a copy that is not whole is left alone.
    void TakeInConflictCopies();
    // Merges theirs into the list against the base, or against base given.
    void TakeIn(const CItemRows& theirs);
    void TakeIn(const CItemRows& base, const CItemRows& theirs);
    // The file read again was not whole: once it has stayed so for a moment, it is no
    // half-written file but a damaged one.
    void TakeInDamagedFile(CSystemListDisk::Found found);
    // Writes a copy of the list on the worker; false when it cannot start now.
    bool StartBackgroundStore();
    // How the store on the worker ended, once it has; one that failed leaves the list
    // to be stored again.
    enum class StoreResult { None, Written, Failed };
    StoreResult TakeBackgroundResult();
    // Returns the file written, empty when none was.
    std::wstring StoreNow();
    CString StartNotice(CSystemListDisk::Found found) const;
    CString DamagedFileNotice(CSystemListDisk::Found found) const;
    // How the kept copy of a damaged file is told of, or that the file is left alone.
    CString KeptFileNotice() const;
    CString WhereTheListWent(const std::wstring& written) const;

    CShoppingList& m_shoppingList;
    CTimer& m_timer;
    CSystemListDisk m_disk;
    ListFontSettings m_font = StartupListFontSettings();
    // The rows as they were last read from the file or written to it here: what both
    // this list and the file have changed from.
    CItemRows m_base;
    // The copy that the worker writes; the base once it is written.
    CItemRows m_writing;
    // The worker copies the rows read at the start into the base, beside the window's
    // start; the rows do not change until it has.
    bool m_copyingBase = false;
    // The list font was changed here since the last store: it is the later write.
    bool m_fontChanged = false;
    // Taking in the file's list is no change of the list's own.
    bool m_takingInFile = false;
    // When the file read again was first found not whole; 0 while it is whole.
    DWORD m_damagedSince = 0;
    // Until the list is restored, a store would write an empty list over the last one.
    bool m_restored = false;
    CString m_fileNotice;
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
