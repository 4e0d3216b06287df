// CComboBox: a drop-down list with an edit field.
#pragma once

#include "Wnd.h"

#include <vector>

class CComboBox : public CWnd {
public:
    int AddString(const wchar_t* text) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int FindStringExact(int startAfter, const wchar_t* text) const
    {
        return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(startAfter),
                                            reinterpret_cast<LPARAM>(text)));
    }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
    void GetLBText(int index, CString& text) const
    {
        int length = static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
        if (length == CB_ERR) {
            text.Empty();
            return;
        }
        std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
        SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
        text = buffer.data();
    }
};
