// The gradient behind the entry panel, and the brushes that let the list's
// border and the labels stand on their piece of it without a box.
#pragma once

#include "../framework/Gdi.h"
#include "../framework/Wnd.h"

#include <array>

class CBackgroundSkin {
public:
    // Loads the picture drawn for dpi.
    void Load(UINT dpi);
    // Makes the brushes of the dialog's controls where they stand now, the picture
    // widened first when the dialog has grown wider than it.
    void MakeBrushes(CWnd& dialog);
    void Release();

    void Paint(CDC& dc) const;
    // Paints all of client at once, the picture and the rest, so that a resize shows
    // no other colour first.
    void Erase(CDC& dc, const RECT& client) const;
    // The brush of a control that stands on the picture; nullptr for any other.
    HBRUSH BrushFor(int controlId) const;

private:
    // Each of the picture's rows is one colour: a wider picture is the same rows, longer.
    void WidenTo(HDC reference, int width);

    CBitmap m_picture;
    CBrush m_listBrush;
    CBrush m_itemLabelBrush;
    CBrush m_locationLabelBrush;
    CBrush m_priceLabelBrush;
    // Where the controls stood, and the picture, when the brushes were made.
    std::array<CRect, 4> m_brushedPlaces = {};
    HGDIOBJ m_brushedPicture = nullptr;
};
