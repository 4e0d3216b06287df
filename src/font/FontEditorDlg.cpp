#include "FontEditorDlg.h"

#include "../framework/Dpi.h"
#include "../res/resource.h"

#include <cstdlib>
#include <cwchar>
#include <utility>

namespace {

// The sizes offered, in the order shown: the size box does not sort.
constexpr const wchar_t* kSizes[] = {L"8", L"9", L"10", L"11", L"12", L"14", L"16", L"20", L"24", L"28", L"36"};

constexpr wchar_t kPreviewText[] = L"Gromble 1.5";

UINT CheckState(bool checked)
{
    return checked ? BST_CHECKED : BST_UNCHECKED;
}

}  // namespace

BEGIN_MESSAGE_MAP(CFontEditorDlg, CDialog)
    ON_BN_CLICKED(IDC_FONT_BOLD, OnBold)
    ON_BN_CLICKED(IDC_FONT_ITALIC, OnItalic)
    ON_BN_CLICKED(IDC_FONT_UNDERLINE, OnUnderline)
    ON_BN_CLICKED(IDC_FONT_ANTIALIASED, OnAntialiased)
    ON_CBN_SELCHANGE(IDC_FONT_SIZE, OnSizeSelChange)
    ON_CBN_EDITCHANGE(IDC_FONT_SIZE, OnSizeEditChange)
    ON_CBN_EDITCHANGE(IDC_FONT_FACE, OnFaceEditChange)
    ON_CBN_SELCHANGE(IDC_FONT_FACE, OnFaceSelChange)
END_MESSAGE_MAP()

CFontEditorDlg::CFontEditorDlg(CWnd* parent)
    : CDialog(IDD_FONTEDITOR, parent), m_strPreview(kPreviewText)
{
}

CFontEditorDlg::~CFontEditorDlg()
{
    // A dialog still open (a modeless one) goes before its preview font, so that the
    // preview text never holds a released font.
    if (m_hWnd != nullptr)
        DestroyWindow();
}

void CFontEditorDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_FONT_FACE, m_comboFace);
    DDX_Control(dx, IDC_FONT_SIZE, m_comboSize);
    DDX_Text(dx, IDC_FONT_PREVIEW, m_strPreview);
}

BOOL CFontEditorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    for (const wchar_t* size : kSizes)
        m_comboSize.AddString(size);

    {
        CClientDC dc(m_hWnd);
        ::EnumFontFamiliesW(dc, nullptr, &CFontEditorDlg::EnumFaceProc, reinterpret_cast<LPARAM>(this));
    }

    const CString face(m_lf.face);
    int faceIndex = m_comboFace.FindStringExact(-1, face);
    if (faceIndex != CB_ERR)
        m_comboFace.SetCurSel(faceIndex);
    else
        m_comboFace.SetWindowText(face);

    CString size;
    size.Format(L"%d", m_lf.height);
    m_comboSize.SetWindowText(size);

    CheckDlgButton(IDC_FONT_BOLD, CheckState(m_lf.weight == FontWeightBold));
    CheckDlgButton(IDC_FONT_ITALIC, CheckState(m_lf.italic));
    CheckDlgButton(IDC_FONT_UNDERLINE, CheckState(m_lf.underline));
    CheckDlgButton(IDC_FONT_ANTIALIASED, CheckState(m_lf.quality != FontQualityDefault));

    UpdatePreview();
    return TRUE;
}

int CALLBACK CFontEditorDlg::EnumFaceProc(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM dialog) noexcept
{
    auto* editor = reinterpret_cast<CFontEditorDlg*>(dialog);
    wchar_t face[LF_FACESIZE];
    size_t length = wcsnlen(font->lfFaceName, LF_FACESIZE - 1);
    wmemcpy(face, font->lfFaceName, length);
    face[length] = L'\0';
    // Wine calls back once for every character set a family has: the box shows it once.
    if (editor->m_comboFace.FindStringExact(-1, face) == CB_ERR)
        editor->m_comboFace.AddString(face);
    return 1;
}

void CFontEditorDlg::UpdatePreview()
{
    CFont font;
    const LOGFONTW description = LogFontOf(m_lf, DpiOfWindow(m_hWnd));
    if (!font.CreateFontIndirect(&description))
        return;
    CFont previous(std::move(m_fontPreview));
    m_fontPreview = std::move(font);
    SendDlgItemMessage(IDC_FONT_PREVIEW, WM_SETFONT, reinterpret_cast<WPARAM>(m_fontPreview.GetSafeHandle()), TRUE);
    // previous is released here, after the preview text has let go of it.
}

void CFontEditorDlg::OnBold()
{
    m_lf.weight = IsDlgButtonChecked(IDC_FONT_BOLD) == BST_CHECKED ? FontWeightBold : FontWeightNormal;
    UpdatePreview();
}

void CFontEditorDlg::OnItalic()
{
    m_lf.italic = IsDlgButtonChecked(IDC_FONT_ITALIC) == BST_CHECKED;
    UpdatePreview();
}

void CFontEditorDlg::OnUnderline()
{
    m_lf.underline = IsDlgButtonChecked(IDC_FONT_UNDERLINE) == BST_CHECKED;
    UpdatePreview();
}

void CFontEditorDlg::OnAntialiased()
{
    m_lf.quality = IsDlgButtonChecked(IDC_FONT_ANTIALIASED) == BST_CHECKED ? FontQualityClearType : FontQualityDefault;
    UpdatePreview();
}

void CFontEditorDlg::OnSizeSelChange()
{
    int index = m_comboSize.GetCurSel();
    if (index == CB_ERR)
        return;
    // The edit field still shows the old size while this notification runs.
    CString size;
    m_comboSize.GetLBText(index, size);
    m_lf.height = _wtoi(size);
    UpdatePreview();
}

void CFontEditorDlg::OnSizeEditChange()
{
    int height = _wtoi(m_comboSize.GetWindowText());
    if (height <= 0)
        return;
    m_lf.height = height;
    UpdatePreview();
}

void CFontEditorDlg::OnFaceEditChange()
{
    m_lf.face = FittedFaceName(m_comboFace.GetWindowText().str());
    UpdatePreview();
}

void CFontEditorDlg::OnFaceSelChange()
{
    int index = m_comboFace.GetCurSel();
    if (index == CB_ERR)
        return;
    CString face;
    m_comboFace.GetLBText(index, face);
    m_lf.face = FittedFaceName(face.str());
    UpdatePreview();
}
