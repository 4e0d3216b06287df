// The main window's file commands: Open, Attach and Save of list files and the two
// exports. Each command asks for its file anew; a file that cannot be read or
// written changes nothing and is reported.
#pragma once

#include "../framework/Dialog.h"
#include "../list/ShoppingList.h"
#include "../listview/ItemListCtrl.h"

#include <cstdio>
#include <functional>

class CListFileCommands {
public:
    // What the file dialog offers for one command.
    struct FileChoice {
        BOOL open;
        const wchar_t* defaultExtension;
        const wchar_t* initialName;
        const wchar_t* filter;
    };

    CListFileCommands(CDialog& owner, CShoppingList& list, CItemListCtrl& listCtrl);
    CListFileCommands(const CListFileCommands&) = delete;
    CListFileCommands& operator=(const CListFileCommands&) = delete;

    void OnOpen();
    // Reads the named list file in place of the list, as Open does with the file chosen.
    void Open(const CString& path);
    void OnAttach();
    void OnSave();
    void OnExportText();
    void OnExportHtml();

private:
    using RowsWriter = bool (*)(std::FILE*, const CItemRows&);

    // Asks for a list file and reads it whole; only then are its rows handed to
    // take, with the list's redraw held.
    void ReadChosenListFile(const std::function<void(CItemRows&)>& take);
    // Reads a list file whole; only then are its rows handed to take, with the list's
    // redraw held. A file that cannot be read changes nothing and is reported.
    void ReadListFile(const CString& path, const std::function<void(CItemRows&)>& take);
    void ReplaceList(CItemRows& items);
    // Asks for the file, writes the items to it whole or says that it could not.
    void WriteChosenFile(const FileChoice& choice, RowsWriter write);
    bool AskForFile(const FileChoice& choice, CString& path);

    CDialog& m_owner;
    CShoppingList& m_shoppingList;
    CItemListCtrl& m_listCtrl;
};
