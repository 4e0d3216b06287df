// Counts the handles that the owning classes (CGdiObject, CMenu, CIcon,
// CImageList) take on and give up, so that a long session can show that every
// GDI object, menu, icon and image list the program made was released once.
#pragma once

enum class HandleKind { GdiObject, Menu, Icon, ImageList };

struct HandleCounts {
    long adopted = 0;         // handles an owner took on
    long handedOver = 0;      // handles an owner gave up without releasing them (Detach)
    long released = 0;        // handles an owner released successfully
    long failedReleases = 0;  // releases the platform refused: a handle released twice, say

    long Held() const { return adopted - handedOver - released - failedReleases; }
};

namespace HandleLedger {

void Adopted(HandleKind kind);
void HandedOver(HandleKind kind);
void Released(HandleKind kind, bool succeeded);
HandleCounts Counts(HandleKind kind);

}  // namespace HandleLedger
