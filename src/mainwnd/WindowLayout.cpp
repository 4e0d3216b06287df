#include "WindowLayout.h"

#include "../framework/Dpi.h"
#include "../res/resource.h"
#include "../shell/HandheldScreen.h"

#include <algorithm>

namespace {

enum class Follows {
    Left,       // stays where it is
    BothEdges,  // grows with the window
    RightEdge,  // keeps its distance to the right edge
};

struct HandheldPlace {
    int controlId;
    RECT at96;  // left, top, right, bottom
    Follows follows;
    bool label;
};

// Template 102's places at 1.75 pixels a dialog unit, the handheld's scale.
constexpr HandheldPlace kEntryPanel[] = {
    {IDC_ITEM_LABEL, {0, 9, 30, 23}, Follows::Left, true},
    {IDC_ITEM, {35, 5, 161, 30}, Follows::BothEdges, false},
    {IDC_QT, {165, 5, 202, 30}, Follows::RightEdge, false},
    {IDC_ADD, {208, 0, 240, 32}, Follows::RightEdge, false},
    {IDC_LOCATION_LABEL, {0, 39, 53, 53}, Follows::Left, true},
    {IDC_LOCATION, {53, 33, 121, 58}, Follows::BothEdges, false},
    {IDC_PRICE_LABEL, {123, 39, 156, 53}, Follows::RightEdge, true},
    {IDC_PRICE, {158, 33, 235, 58}, Follows::RightEdge, false},
};

// The list lies below the entry panel and ends one pixel above the bar.
constexpr int kListTop = 62;
constexpr int kListGapAboveBar = 1;

}  // namespace

CMainWindowLayout::CMainWindowLayout(SIZE client, int barHeight, int labelTextHeight, UINT dpi)
    : m_client(client),
      m_barHeight(barHeight),
      m_labelTextHeight(labelTextHeight),
      m_dpi(dpi),
      m_extraWidth(client.cx - ScaleToDpi(HandheldScreen::Width, dpi))
{
}

SIZE CMainWindowLayout::SmallestClient(int barHeight, UINT dpi)
{
    return {ScaleToDpi(HandheldScreen::Width, dpi), ScaleToDpi(HandheldScreen::HeightAboveBar, dpi) + barHeight};
}

RECT CMainWindowLayout::Place(int controlId) const
{
    if (controlId == IDC_LIST)
        return {0, ScaleToDpi(kListTop, m_dpi), m_client.cx,
                m_client.cy - m_barHeight - ScaleToDpi(kListGapAboveBar, m_dpi)};
    for (const HandheldPlace& place : kEntryPanel) {
        if (place.controlId != controlId)
            continue;
        // Edges rather than widths are scaled, so that neighbours stay apart.
        RECT rect = {ScaleToDpi(place.at96.left, m_dpi), ScaleToDpi(place.at96.top, m_dpi),
                     ScaleToDpi(place.at96.right, m_dpi), ScaleToDpi(place.at96.bottom, m_dpi)};
        if (place.follows == Follows::RightEdge)
            rect.left += m_extraWidth;
        if (place.follows != Follows::Left)
            rect.right += m_extraWidth;
        // A font's line does not grow exactly with the DPI: a label stays as high as a line.
        if (place.label)
            rect.bottom = std::max(rect.bottom, rect.top + m_labelTextHeight);
        return rect;
    }
    return {0, 0, 0, 0};
}
