#include "IconButton.h"

#include "../framework/Gdi.h"
#include "../framework/WinApp.h"

namespace {

constexpr DWORD kButtonTypeBits = 0x1F;
constexpr int kTextCapacity = 256;

// Halves a signed difference, truncating toward zero, so that an icon larger than
// the button is centred too.
int HalfOf(int difference)
{
    return difference / 2;
}

}  // namespace

void CIconButton::PreSubclassWindow()
{
    // Owner-drawn whatever the template said.
    ModifyStyle(kButtonTypeBits, BS_OWNERDRAW, SWP_FRAMECHANGED);
    CButton::PreSubclassWindow();
}

void CIconButton::SetIcon(WORD iconId, UINT width, UINT height)
{
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCEW(iconId), RT_GROUP_ICON);
    auto icon = static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                                static_cast<int>(width), static_cast<int>(height), 0));
    if (icon != nullptr) {
        m_icon.Attach(icon);
        m_cxIcon = width;
        m_cyIcon = height;
    }
    InvalidateRect(nullptr, TRUE);
}

void CIconButton::DrawItem(DRAWITEMSTRUCT* draw)
{
    CDC dc(draw->hDC);
    CRect item(draw->rcItem);

    wchar_t buffer[kTextCapacity] = L"";
    int length = ::GetWindowTextW(m_hWnd, buffer, kTextCapacity);
    CString text(buffer, length);
    CRect textRect = item;

    if (!m_icon.IsEmpty()) {
        int left = item.left;
        if (text.IsEmpty())
            left += HalfOf(item.Width() - static_cast<int>(m_cxIcon));
        else
            textRect.left += static_cast<int>(m_cxIcon);
        int top = item.top + HalfOf(item.Height() - static_cast<int>(m_cyIcon));
        dc.DrawIconEx(left, top, m_icon.GetSafeHandle(), 0, 0, DI_NORMAL);
    }

    if (!text.IsEmpty()) {
        int width = textRect.Width();
        int height = textRect.Height();
        dc.DrawText(text, &textRect, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
        textRect.OffsetRect(HalfOf(width - textRect.Width()), HalfOf(height - textRect.Height()));
        dc.SetBkMode(TRANSPARENT);
        dc.DrawText(text, &textRect, DT_WORDBREAK | DT_CENTER);
    }
}
