// CEdit: a single-line edit field.
#pragma once

#include "Wnd.h"

class CEdit : public CWnd {
public:
    void SetSel(int start, int end) { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
    void LimitText(int maxChars) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(maxChars)); }
};
