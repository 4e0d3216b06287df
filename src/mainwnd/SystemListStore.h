// The system list file as the main window keeps it: read while the window opens, with
// a Warning once the window stands when the file could not be read whole; written a
// few seconds after the last change, so that a crash or a power cut loses little, and
// when the window closes or the session ends. The store after a change copies the
// rows and writes the copy on a thread of its own: even a long list holds up the
// window only for the copy.
#pragma once

#include "../files/SystemListKeeper.h"
#include "../font/ListFont.h"
#include "../framework/Dialog.h"
#include "../framework/WorkerThread.h"
#include "../list/ShoppingList.h"
#include "../listview/ItemListCtrl.h"

class CSystemListStore : private CRowsObserver {
public:
    // Posted to the window by the restore when it has something to tell.
    static constexpr UINT StartNoticeMessage = WM_APP + 1;
    // The window's timer that starts the store after a change.
    static constexpr UINT_PTR StoreTimerId = 0x4753;

    CSystemListStore(CDialog& owner, CShoppingList& list, CItemListCtrl& view);
    // Waits for a store that is being written.
    ~CSystemListStore();
    CSystemListStore(const CSystemListStore&) = delete;
    CSystemListStore& operator=(const CSystemListStore&) = delete;

    // The full path of the system list file: in the recorded data folder, or else in
    // the current folder.
    static CString SystemListPath();
    // The file that the restore read, or would have read.
    CString Path() const { return CString(m_keeper.Path()); }

    // Puts the stored rows into the list; settings come in with their start-up values
    // and leave with those of the file.
    void Restore(ListFontSettings& settings);
    // Shows the Warning that the restore left for the user, once.
    void ShowStartNotice();
    // The rows' changes are seen without a word; the font's must be told.
    void ListFontChanged();
    // Starts the store after a change when timer is StoreTimerId; false for another timer.
    bool OnTimer(UINT_PTR timer);
    // Writes the list and the list font; says where they went when that is not the
    // system list file.
    void StoreAtClose();
    // The same without a word: the session is ending, and no close follows.
    void StoreAtSessionEnd();

private:
    void OnRowsInserted(int first, int count) override;
    void OnRowsRemoved(int first, int count) override;
    void OnRowsChanged(int first, int count) override;
    void OnRowsReplaced() override;
    void StoreSoon();
    // Writes a copy of the list on the worker; false when it cannot start now.
    bool StartBackgroundStore();
    // Returns the file written, empty when none was.
    std::wstring StoreNow();
    CString StartNotice(CSystemListKeeper::Found found) const;
    CString WhereTheListWent(const std::wstring& written) const;
    void Warn(const CString& text);

    CDialog& m_owner;
    CShoppingList& m_list;
    CItemListCtrl& m_view;
    CSystemListKeeper m_keeper;
    // Until the list is restored, a store would write an empty list over the last one.
    bool m_restored = false;
    CString m_startNotice;
    // Something changed that no store has taken yet.
    bool m_changed = false;
    // Last: it waits for its job, which reads m_keeper, before the rest goes.
    CWorkerThread m_writer;
};
