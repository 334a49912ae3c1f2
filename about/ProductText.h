#pragma once

#include "about/ProductInfo.h"
#include "resources/version/Version.h"

namespace razzlewick {

// What this program says about itself in the About box. Windows-1252 bytes.
inline constexpr const char* kProductName = "Razzlewick";
// The version is the project's own (CMakeLists.txt), which the Debian package also carries.
inline constexpr const char* kProductVersion = "v" RAZZLEWICK_VERSION;
// The maker's addresses. The domain is a reserved one, so no link ever reaches a real site.
inline constexpr const char* kMakerSiteBase = "http://www.tallowfern.example";
inline constexpr const char* kFeedbackAddress = "feedback@tallowfern.example";
extern const char* const kProductDescription;
extern const char* const kProductTerms;

// Fills the record with this program's name, version, description, terms, the given icon
// (the main window's own, so both show one icon) and placement 0 (the terms carry their
// own disclaimer); the owner window stays none.
void FillProductInfo(ProductInfo& info, const QIcon& icon);

}  // namespace razzlewick
