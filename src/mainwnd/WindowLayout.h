// Where the main window's controls stand: the handheld's places, those of the
// window's template at 96 DPI and the handheld's width, scaled to the window's DPI.
// Extra width goes to the Item and Location fields, while Qt, Price, the Price label
// and the Add button keep to the right edge; the list spans the width and takes the
// extra height, ending just above the menu bar.
#pragma once

#include <windows.h>

class CMainWindowLayout {
public:
    // client: the window's client area; barHeight: the menu bar's; labelTextHeight:
    // the height of a line of the labels' font, which a label is at least; pixels at dpi.
    CMainWindowLayout(SIZE client, int barHeight, int labelTextHeight, UINT dpi);

    // The place of a control of the entry panel, or of the list, in the window's
    // client area; an empty rectangle for any other id.
    RECT Place(int controlId) const;
    // How much wider than the handheld's screen the window is, in pixels at its DPI.
    int ExtraWidth() const { return m_extraWidth; }

    // The smallest client area: the handheld's screen and the bar.
    static SIZE SmallestClient(int barHeight, UINT dpi);

private:
    SIZE m_client;
    int m_barHeight;
    int m_labelTextHeight;
    UINT m_dpi;
    int m_extraWidth;
};
