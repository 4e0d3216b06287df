#include "HandheldDialog.h"

#include "../framework/Dpi.h"
#include "HandheldScreen.h"

BOOL CHandheldDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    HandheldScreen::FitDialog(m_hWnd, DpiOfWindow(m_hWnd));
    return TRUE;
}
