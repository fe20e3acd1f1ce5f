#pragma once

// The workshop's web site; every repair, contact and legal page hangs below it.
// Placeholder host until the workshop confirms its domain.
inline constexpr char siteBaseAddress[] = "https://www.quarzlinde.de";
