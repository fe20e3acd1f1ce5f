#pragma once

#include "WorkshopValues.h"

// The workshop's legal identity and contact data shown on the legal sheet,
// from workshop.ini in the repository root. Until the workshop supplies its
// real data the visible values say "Platzhalter"; a release build refuses
// them. The site's address is in machine/SiteAddress.h.
namespace WorkshopIdentity {
inline constexpr char businessName[] = QUARZLINDE_WORKSHOP_BUSINESS_NAME;
inline constexpr char ownerName[] = QUARZLINDE_WORKSHOP_OWNER_NAME;
inline constexpr char street[] = QUARZLINDE_WORKSHOP_STREET;
inline constexpr char postalCodeAndTown[] = QUARZLINDE_WORKSHOP_POSTAL_CODE_AND_TOWN;
inline constexpr char country[] = QUARZLINDE_WORKSHOP_COUNTRY;
inline constexpr char responsibleName[] = QUARZLINDE_WORKSHOP_RESPONSIBLE_NAME;
inline constexpr char email[] = QUARZLINDE_WORKSHOP_EMAIL;
inline constexpr char telephone[] = QUARZLINDE_WORKSHOP_TELEPHONE;
} // namespace WorkshopIdentity
