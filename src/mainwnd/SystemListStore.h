// The system list file as the main window keeps it: read while the window opens, with
// a Warning once the window stands when the file could not be read whole, and written
// when the window closes or the session ends.
#pragma once

#include "../files/SystemListKeeper.h"
#include "../font/ListFont.h"
#include "../framework/Dialog.h"
#include "../list/ShoppingList.h"
#include "../listview/ItemListCtrl.h"

class CSystemListStore {
public:
    // Posted to the window by the restore when it has something to tell.
    static constexpr UINT StartNoticeMessage = WM_APP + 1;

    CSystemListStore(CDialog& owner, CShoppingList& list, CItemListCtrl& view);
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
    // Writes the list and the list font; says where they went when that is not the
    // system list file.
    void StoreAtClose();
    // The same without a word: the session is ending, and no close follows.
    void StoreAtSessionEnd();

private:
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
};
