#pragma once

#include "WorkshopValues.h"

// The workshop's web site; every repair, contact and legal page hangs below
// it. Set in workshop.ini in the repository root.
inline constexpr char siteBaseAddress[] = QUARZLINDE_SITE_BASE_ADDRESS;
