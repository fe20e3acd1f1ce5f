#pragma once

// The workshop's legal identity and contact data shown on the legal sheet.
// PLACEHOLDERS: every value below stands in until the workshop supplies its
// real data; the visible ones say so in brackets. The site's address is in
// machine/SiteAddress.h.
namespace WorkshopIdentity {
inline constexpr char businessName[] = "Quarzlinde [Platzhalter: Firmenname]";
inline constexpr char ownerName[] = "[Platzhalter: Vor- und Nachname]";
inline constexpr char street[] = "[Platzhalter: Straße und Hausnummer]";
inline constexpr char postalCodeAndTown[] = "[Platzhalter: PLZ und Ort]";
inline constexpr char country[] = "Deutschland";
inline constexpr char responsibleName[] = "[Platzhalter: Vor- und Nachname]";
inline constexpr char email[] = "platzhalter@quarzlinde.de";
inline constexpr char telephone[] = "+49 000 00000000";
} // namespace WorkshopIdentity
