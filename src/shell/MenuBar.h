// The handheld's menu bar: a bar along the bottom of a dialog with drop-down
// buttons that open the pop-ups of a menu, and tool buttons at its right end. It is
// built from a menu-bar layout record (RCDATA), that record's menu and a tool-bar
// resource with its image strip, drawn for the bar's DPI. Every command reaches the
// dialog as WM_COMMAND.
#pragma once

#include "../framework/Gdi.h"
#include "../framework/ImageList.h"
#include "../framework/Menu.h"
#include "../framework/Wnd.h"

#include <vector>

class CMenuBar : public CWnd {
public:
    // The bar's child-window id in its dialog.
    static constexpr UINT WindowId = 0xE800;

    // Creates the bar at the bottom of the dialog, drawn for dpi, and grows the
    // dialog by the bar's height, so that the area above the bar keeps its size.
    bool Create(CWnd* dialog, UINT menuBarId, UINT toolBarId, UINT dpi);
    // In pixels at 96 DPI; the bar scales them to its DPI.
    void SetButtonSize(int width, int height);
    // Draws the bar for another DPI: its images, buttons, padding and text.
    void SetDpi(UINT dpi);
    // Places the bar again along the bottom of its dialog, its tool buttons at the
    // right end; when the bar's height has changed, the dialog changes with it.
    void Reposition();
    int GetHeight() const;

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
    bool AddSpacer();
    bool AddToolButtons(UINT toolBarId);
    // The tool buttons' images and their size, for the bar's DPI.
    void LoadImages();
    void SetSizes();
    // The spacer between the menu buttons and the tool buttons takes the bar's spare
    // width; with none to spare it is hidden.
    void PlaceToolButtonsAtTheRight();
    int PopupIndexOf(UINT command) const;

    CMenu m_menu;
    CImageList m_images;
    // The font of the buttons' texts at a DPI the bar was not created at.
    CFont m_font;
    UINT m_toolBarId = 0;
    UINT m_dpi = 96;
    SIZE m_buttonSize = {0, 0};  // at 96 DPI; none set yet
    SIZE m_imageSize = {0, 0};   // at 100 %, from the tool-bar resource
    int m_spacerIndex = -1;
    std::vector<DropDownButton> m_dropDowns;
    std::vector<CString> m_texts;
    // The bar height that the dialog has been grown by so far.
    int m_heightGiven = 0;
};
