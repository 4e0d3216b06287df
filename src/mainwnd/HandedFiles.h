// List files handed to the main window: named on the command line, handed over by a
// later start on the same system list file, or dropped on the window. Each is read in
// place of the list, as Open reads a file; a list with items goes only after New's
// question. A file waits while a question, a file dialog or a menu of the window is
// open: the command that opened it goes on with the rows it had.
#pragma once

#include "../framework/Wnd.h"
#include "../list/ShoppingList.h"
#include "ListFileCommands.h"

class CHandedFiles {
public:
    CHandedFiles(CWnd& window, const CShoppingList& list, CListFileCommands& files);
    CHandedFiles(const CHandedFiles&) = delete;
    CHandedFiles& operator=(const CHandedFiles&) = delete;

    // A list file to open once the window has started, after the system list.
    void OpenOnStart(const CString& listFile);
    // The window answers for the system list file from now on, and takes files dropped on it.
    void Accept(const CString& systemListPath);

    LRESULT OnCopyData(WPARAM sender, LPARAM data);
    LRESULT OnDropFiles(WPARAM drop, LPARAM);
    LRESULT OnOpenHandedFile(WPARAM, LPARAM);
    // WM_ENABLE and WM_EXITMENULOOP: a box or a menu of the window may have closed.
    LRESULT OnModalLoopEnded(WPARAM, LPARAM);

private:
    // Opened from the window's own message loop, once the message that brought it has
    // been answered: a later start is not kept waiting on the question.
    void Hand(const CString& listFile);

    CWnd& m_window;
    const CShoppingList& m_shoppingList;
    CListFileCommands& m_files;
    // Handed and not opened yet.
    CString m_handedFile;
};
