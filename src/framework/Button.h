// CButton: a push button, check box or owner-drawn button.
#pragma once

#include "Wnd.h"

class CButton : public CWnd {
public:
    // Paints an owner-drawn button; the parent hands WM_DRAWITEM back to the button.
    virtual void DrawItem(DRAWITEMSTRUCT*) {}

    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        if (message == WM_DRAWITEM) {
            DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
            return true;
        }
        return CWnd::OnChildNotify(message, wParam, lParam, result);
    }
};
