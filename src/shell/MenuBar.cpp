#include "MenuBar.h"

#include "../framework/Dpi.h"
#include "../framework/ImageScale.h"
#include "HandheldScreen.h"

#include <commctrl.h>

namespace {

// One button of a menu-bar layout record, sixteen-bit values in this order.
struct MenuBarButtonRecord {
    short image;
    WORD command;
    WORD state;
    WORD style;
    WORD stringId;
    WORD reserved;
    WORD popupIndex;
};

constexpr WORD kStyleDropDown = 0x0008;
constexpr WORD kStyleAutoSize = 0x0010;

// A resource's bytes, or an empty range when there is none.
std::pair<const WORD*, size_t> LoadWords(UINT id, const wchar_t* type)
{
    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (found == nullptr)
        return {nullptr, 0};
    HGLOBAL loaded = ::LoadResource(module, found);
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (data == nullptr)
        return {nullptr, 0};
    return {static_cast<const WORD*>(data), ::SizeofResource(module, found) / sizeof(WORD)};
}

CString LoadStringResource(UINT id)
{
    const wchar_t* text = nullptr;
    int length = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? CString(text, length) : CString();
}

}  // namespace

BEGIN_MESSAGE_MAP(CMenuBar, CWnd)
    ON_NOTIFY_REFLECT(TBN_DROPDOWN, OnDropDown)
END_MESSAGE_MAP()

bool CMenuBar::Create(CWnd* dialog, UINT menuBarId, UINT toolBarId, UINT dpi)
{
    DWORD style = WS_CHILD | WS_VISIBLE | CCS_BOTTOM | CCS_NODIVIDER | TBSTYLE_FLAT | TBSTYLE_LIST;
    if (!CreateEx(0, TOOLBARCLASSNAMEW, nullptr, style, CRect(0, 0, 0, 0), dialog, WindowId))
        return false;
    m_dpi = dpi;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SendMessage(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);

    bool built = AddMenuButtons(menuBarId) && AddSpacer() && AddToolButtons(toolBarId);
    SetSizes();
    Reposition();
    return built;
}

void CMenuBar::SetDpi(UINT dpi)
{
    if (dpi == m_dpi)
        return;
    m_dpi = dpi;
    const LOGFONTW description = MessageFontForDpi(dpi);
    if (m_font.CreateFontIndirect(&description))
        SetFont(m_font);
    LoadImages();
    SetSizes();
    Reposition();
}

void CMenuBar::SetSizes()
{
    // The default padding makes the six buttons wider than the screen.
    SendMessage(TB_SETPADDING, 0, MAKELPARAM(ScaleToDpi(2, m_dpi), ScaleToDpi(6, m_dpi)));
    SendMessage(TB_SETBITMAPSIZE, 0,
                MAKELPARAM(ScaledImageSize(m_imageSize.cx, m_dpi), ScaledImageSize(m_imageSize.cy, m_dpi)));
    if (m_buttonSize.cx > 0)
        SendMessage(TB_SETBUTTONSIZE, 0,
                    MAKELPARAM(ScaleToDpi(m_buttonSize.cx, m_dpi), ScaleToDpi(m_buttonSize.cy, m_dpi)));
}

void CMenuBar::LoadImages()
{
    if (m_images.Create(ScaledImageId(m_toolBarId, m_dpi), ScaledImageSize(m_imageSize.cx, m_dpi), 0,
                        RGB(255, 255, 255)))
        SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_images.GetSafeHandle()));
}

bool CMenuBar::AddMenuButtons(UINT menuBarId)
{
    auto [words, count] = LoadWords(menuBarId, RT_RCDATA);
    if (words == nullptr || count < 2)
        return false;
    if (!m_menu.LoadMenu(words[0]))
        return false;
    size_t buttons = words[1];
    const size_t recordWords = sizeof(MenuBarButtonRecord) / sizeof(WORD);
    if (count < 2 + buttons * recordWords)
        return false;

    m_texts.reserve(buttons);
    for (size_t i = 0; i < buttons; ++i) {
        MenuBarButtonRecord record;
        memcpy(&record, words + 2 + i * recordWords, sizeof(record));
        m_texts.push_back(LoadStringResource(record.stringId));
        m_dropDowns.push_back({record.command, static_cast<int>(record.popupIndex)});

        TBBUTTON button = {};
        button.iBitmap = record.image;
        button.idCommand = record.command;
        button.fsState = static_cast<BYTE>(record.state);
        // A drop-down button of the handheld's bar opens its pop-up wherever it is tapped.
        button.fsStyle = static_cast<BYTE>(BTNS_SHOWTEXT |
                                           ((record.style & kStyleDropDown) ? BTNS_WHOLEDROPDOWN : 0) |
                                           ((record.style & kStyleAutoSize) ? BTNS_AUTOSIZE : 0));
        button.iString = reinterpret_cast<INT_PTR>(m_texts.back().GetString());
        SendMessage(TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    }
    return true;
}

bool CMenuBar::AddToolButtons(UINT toolBarId)
{
    // A tool-bar resource: version, image width, image height, count, commands.
    auto [words, count] = LoadWords(toolBarId, MAKEINTRESOURCEW(241));
    if (words == nullptr || count < 4 || count < 4u + words[3])
        return false;
    m_toolBarId = toolBarId;
    m_imageSize = {words[1], words[2]};
    LoadImages();

    int image = 0;
    for (size_t i = 0; i < words[3]; ++i) {
        TBBUTTON button = {};
        WORD command = words[4 + i];
        if (command == 0) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = image++;
            button.idCommand = command;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
        }
        button.iString = -1;
        SendMessage(TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    }
    return true;
}

void CMenuBar::SetButtonSize(int width, int height)
{
    m_buttonSize = {width, height};
    SetSizes();
    Reposition();
}

void CMenuBar::Reposition()
{
    SendMessage(TB_AUTOSIZE);
    int height = GetHeight();
    if (height != m_heightGiven) {
        int grow = height - m_heightGiven;
        m_heightGiven = height;
        HandheldScreen::GrowClientHeight(::GetParent(m_hWnd), grow);
        SendMessage(TB_AUTOSIZE);
    }
    PlaceToolButtonsAtTheRight();
}

bool CMenuBar::AddSpacer()
{
    TBBUTTON spacer = {};
    spacer.fsStyle = BTNS_SEP;
    spacer.fsState = TBSTATE_HIDDEN;
    spacer.iString = -1;
    if (!SendMessage(TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&spacer)))
        return false;
    m_spacerIndex = static_cast<int>(SendMessage(TB_BUTTONCOUNT)) - 1;
    return true;
}

void CMenuBar::PlaceToolButtonsAtTheRight()
{
    if (m_spacerIndex < 0)
        return;
    TBBUTTONINFOW spacer = {};
    spacer.cbSize = sizeof(spacer);
    spacer.dwMask = TBIF_BYINDEX | TBIF_STATE | TBIF_IMAGE;
    const int last = static_cast<int>(SendMessage(TB_BUTTONCOUNT)) - 1;
    CRect lastButton;
    CRect bar;
    GetClientRect(&bar);
    if (last <= m_spacerIndex ||
        SendMessage(TB_GETBUTTONINFOW, static_cast<WPARAM>(m_spacerIndex), reinterpret_cast<LPARAM>(&spacer)) < 0 ||
        !SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(last), reinterpret_cast<LPARAM>(&lastButton)))
        return;
    const bool shown = (spacer.fsState & TBSTATE_HIDDEN) == 0;
    const int spare = bar.right - lastButton.right + (shown ? spacer.iImage : 0);
    const bool show = spare > 0;
    if (show == shown && (!show || spare == spacer.iImage))
        return;
    spacer.fsState = show ? 0 : TBSTATE_HIDDEN;
    spacer.iImage = show ? spare : 0;
    SendMessage(TB_SETBUTTONINFOW, static_cast<WPARAM>(m_spacerIndex), reinterpret_cast<LPARAM>(&spacer));
}

int CMenuBar::GetHeight() const
{
    CRect bar;
    GetWindowRect(&bar);
    return bar.Height();
}

int CMenuBar::PopupIndexOf(UINT command) const
{
    for (const DropDownButton& button : m_dropDowns)
        if (button.command == command)
            return button.popupIndex;
    return -1;
}

void CMenuBar::OnDropDown(NMHDR* header, LRESULT* result)
{
    auto* toolBar = reinterpret_cast<NMTOOLBARW*>(header);
    *result = TBDDRET_DEFAULT;
    int popupIndex = PopupIndexOf(static_cast<UINT>(toolBar->iItem));
    HMENU popup = popupIndex >= 0 ? m_menu.GetSubMenu(popupIndex) : nullptr;
    if (popup == nullptr)
        return;

    CRect button;
    SendMessage(TB_GETRECT, static_cast<WPARAM>(toolBar->iItem), reinterpret_cast<LPARAM>(&button));
    ClientToScreen(&button);
    TPMPARAMS exclude = {sizeof(exclude), button};
    ::TrackPopupMenuEx(popup, TPM_LEFTALIGN | TPM_BOTTOMALIGN | TPM_VERTICAL, button.left, button.top,
                       ::GetParent(m_hWnd), &exclude);
}
