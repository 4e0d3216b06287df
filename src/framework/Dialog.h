// CDialog: a dialog box built from a template resource, run modally or modeless.
#pragma once

#include "Wnd.h"

class CDataExchange;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override = default;

    // Runs the dialog until EndDialog; the window is destroyed through the
    // DestroyWindow override before the result is returned.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless, as a test or a host window does.
    bool Create(UINT templateId = 0, CWnd* parent = nullptr);

    virtual BOOL OnInitDialog();
    void EndDialog(int result);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    void SetDefID(UINT id) { SendMessage(DM_SETDEFID, id, 0); }

    // The dialog manager's keyboard navigation (Tab, the arrows, Enter, Escape) for
    // the messages of the dialog and its controls.
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    virtual void DoDataExchange(CDataExchange* dx);
    virtual void OnOK();
    virtual void OnCancel();

    // Default processing of a dialog message is the dialog manager's, which runs
    // once the handler has returned.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR RouteDialogMessage(UINT message, WPARAM wParam, LPARAM lParam);
    HWND CreateFromTemplate(HWND owner);
    HWND GetSafeOwner() const;
    void RunModalLoop();

    UINT m_templateId;
    CWnd* m_pParentWnd;
    bool m_inModalLoop = false;
    bool m_defaultRequested = false;
    int m_result = -1;
};

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate)
    {
    }
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Binds control id of the dialog to control, subclassing it on the first exchange.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// Moves a control's text into value or back.
void DDX_Text(CDataExchange* dx, int id, CString& value);
