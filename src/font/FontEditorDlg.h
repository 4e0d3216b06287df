// The list font editor: face, size, weight, slant, underline and antialiasing of a
// copy of the list font's settings, with a live preview. Apply (IDOK) ends it; the
// caller then makes the list font from m_lf.
#pragma once

#include "../framework/ComboBox.h"
#include "../framework/Dialog.h"
#include "../framework/Gdi.h"
#include "ListFont.h"

class CFontEditorDlg : public CDialog {
public:
    explicit CFontEditorDlg(CWnd* parent = nullptr);
    ~CFontEditorDlg() override;

    // The working copy: filled by the caller before the dialog runs, read after IDOK.
    ListFontSettings m_lf;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    DECLARE_MESSAGE_MAP()

private:
    // Remakes the preview font from m_lf; when none can be made the preview keeps its font.
    void UpdatePreview();
    // Called by EnumFontFamiliesW once a family, with the dialog as data; adds the face.
    static int CALLBACK EnumFaceProc(const LOGFONTW* font, const TEXTMETRICW* metrics, DWORD fontType,
                                     LPARAM dialog) noexcept;

    void OnBold();           // BN_CLICKED from IDC_FONT_BOLD
    void OnItalic();         // BN_CLICKED from IDC_FONT_ITALIC
    void OnUnderline();      // BN_CLICKED from IDC_FONT_UNDERLINE
    void OnAntialiased();    // BN_CLICKED from IDC_FONT_ANTIALIASED
    void OnSizeSelChange();  // CBN_SELCHANGE from IDC_FONT_SIZE
    void OnSizeEditChange(); // CBN_EDITCHANGE from IDC_FONT_SIZE
    void OnFaceEditChange(); // CBN_EDITCHANGE from IDC_FONT_FACE
    void OnFaceSelChange();  // CBN_SELCHANGE from IDC_FONT_FACE

    // Empty until the first preview; each new preview font replaces the one before.
    CFont m_fontPreview;
    CComboBox m_comboFace;
    CComboBox m_comboSize;
    CString m_strPreview;
};
