// A push button that draws an icon, centred, and its window text beside it; it
// paints nothing else, so the icon stands on whatever the parent drew there.
#pragma once

#include "../framework/Button.h"
#include "../framework/Icon.h"

class CIconButton : public CButton {
public:
    CIconButton() = default;

    // Loads the image of a group icon drawn for width by height and shows it. When the
    // icon cannot be loaded the button keeps the one it has.
    void SetIcon(WORD iconId, UINT width, UINT height);
    HICON GetIcon() const { return m_icon.GetSafeHandle(); }

    void DrawItem(DRAWITEMSTRUCT* draw) override;

protected:
    void PreSubclassWindow() override;

private:
    CIcon m_icon;
    UINT m_cxIcon = 0;
    UINT m_cyIcon = 0;
};
