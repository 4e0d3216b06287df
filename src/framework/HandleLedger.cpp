#include "HandleLedger.h"

namespace {

HandleCounts g_counts[4];

HandleCounts& CountsOf(HandleKind kind)
{
    return g_counts[static_cast<int>(kind)];
}

}  // namespace

namespace HandleLedger {

void Adopted(HandleKind kind)
{
    ++CountsOf(kind).adopted;
}

void HandedOver(HandleKind kind)
{
    ++CountsOf(kind).handedOver;
}

void Released(HandleKind kind, bool succeeded)
{
    if (succeeded)
        ++CountsOf(kind).released;
    else
        ++CountsOf(kind).failedReleases;
}

HandleCounts Counts(HandleKind kind)
{
    return CountsOf(kind);
}

}  // namespace HandleLedger
