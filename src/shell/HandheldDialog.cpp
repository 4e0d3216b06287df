#include "HandheldDialog.h"

#include "HandheldScreen.h"

BOOL CHandheldDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    HandheldScreen::FitDialog(m_hWnd);
    return TRUE;
}
