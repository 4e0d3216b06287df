// The handheld's menu bar: a bar along the bottom of a dialog with drop-down
// buttons that open the pop-ups of a menu, followed by tool buttons. It is built
// from a menu-bar layout record (RCDATA), that record's menu and a tool-bar
// resource with its image strip. Every command reaches the dialog as WM_COMMAND.
#pragma once

#include "../framework/ImageList.h"
#include "../framework/Menu.h"
#include "../framework/Wnd.h"

#include <vector>

class CMenuBar : public CWnd {
public:
    // The bar's child-window id in its dialog.
    static constexpr UINT WindowId = 0xE800;

    // Creates the bar at the bottom of the dialog and grows the dialog by the
    // bar's height, so that the area above the bar keeps its size.
    bool Create(CWnd* dialog, UINT menuBarId, UINT toolBarId);
    void SetButtonSize(int width, int height);
    void SetBitmapSize(int width, int height);
    // Places the bar again along the bottom of its dialog; when the bar's height
    // has changed, the dialog changes with it.
    void Reposition();
    int GetHeight() const;

    // The dialog's client area above the bar (the whole area when it has no bar).
    static CRect AreaAbove(const CWnd& dialog);

    HMENU GetMenu() const { return m_menu.GetSafeHmenu(); }

protected:
    void OnDropDown(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    struct DropDownButton {
        UINT command;
        int popupIndex;
    };
    bool AddMenuButtons(UINT menuBarId);
    bool AddToolButtons(UINT toolBarId);
    int PopupIndexOf(UINT command) const;

    CMenu m_menu;
    CImageList m_images;
    std::vector<DropDownButton> m_dropDowns;
    std::vector<CString> m_texts;
    // The bar height that the dialog has been grown by so far.
    int m_heightGiven = 0;
};
