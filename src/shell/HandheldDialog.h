// A dialog of the handheld: it fills the screen above the menu bar.
#pragma once

#include "../framework/Dialog.h"

class CHandheldDialog : public CDialog {
public:
    explicit CHandheldDialog(UINT templateId, CWnd* parent = nullptr) : CDialog(templateId, parent) {}

    BOOL OnInitDialog() override;
};
