#include "../mainwnd/ShoppingDlg.h"

#include "FontEditorDlg.h"
#include "ListFont.h"

void CShoppingDlg::OnChooseListFont()
{
    CFontEditorDlg editor;
    // The editor keeps its template's size instead of filling the screen.
    editor.m_bFullScreen = false;
    // A list font that could not be made at start-up leaves nothing to read back:
    // the editor then starts from the start-up settings.
    if (ListFont.GetLogFont(&editor.m_lf) != static_cast<int>(sizeof(editor.m_lf)))
        editor.m_lf = StartupListFontSettings();
    if (editor.DoModal() != IDOK)
        return;
    CreateListFont(editor.m_lf);
    // The rows the editor uncovers keep their old pixels where the window system
    // composes windows (Wine, desktop Windows): they are drawn again in the new font.
    m_list.Invalidate();
}
